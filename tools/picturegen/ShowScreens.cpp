// The screens that only show: the intro with its heart, the prize screen with its banners and
// amounts, and the congratulations screen with its banner.
#include "Screens.h"

#include <cmath>
#include <cstdint>

namespace picturegen {
namespace {

using namespace colors;

void DrawSparkle(Canvas& canvas, float cx, float cy, float r, Color color) {
    const float t = r * 0.22f;
    canvas.FillShape({static_cast<int>(cx - r) - 2, static_cast<int>(cy - r) - 2,
                      static_cast<int>(2 * r) + 5, static_cast<int>(2 * r) + 5},
                     Polygon({{cx, cy - r},
                              {cx + t, cy - t},
                              {cx + r, cy},
                              {cx + t, cy + t},
                              {cx, cy + r},
                              {cx - t, cy + t},
                              {cx - r, cy},
                              {cx - t, cy - t}}),
                     Solid(color));
    canvas.Glow(cx, cy, r * 0.9f, kWhite, 0.6f);
}

// The intro's heart: two lobes and a point, red with a gold rim.
void DrawHeart(Canvas& canvas, Rect area) {
    const float cx = area.Cx();
    const float cy = area.Cy() + 4;
    const Sdf heart = Union(Union(Circle(cx - 45, cy - 32, 49), Circle(cx + 45, cy - 32, 49)),
                            Polygon({{cx - 92, cy - 18}, {cx + 92, cy - 18}, {cx, cy + 80}}));
    const Rect bounds = Inset(area, -4);
    canvas.Glow(cx, cy, 92, Hex(0xFF3060), 0.35f);
    canvas.FillShape(
        bounds, [&](float x, float y) { return heart(x - 2, y - 4); }, Solid(kBlack), 0.5f, 4);
    canvas.FillShape(bounds, heart, VerticalGradient(cy - 80, kGoldLight, cy + 80, kGoldDeep));
    const Sdf inner = Union(Union(Circle(cx - 41, cy - 32, 43), Circle(cx + 41, cy - 32, 43)),
                            Polygon({{cx - 84, cy - 24}, {cx + 84, cy - 24}, {cx, cy + 71}}));
    canvas.FillShape(bounds, inner,
                     RadialGradient(cx - 30, cy - 50, 150, Hex(0xFF7088), Hex(0x9A0A26)));
    canvas.FillShape(bounds, Circle(cx - 48, cy - 46, 18), Solid(kWhite), 0.35f, 8);
    DrawSparkle(canvas, cx + 62, cy - 58, 12, kWhite);
}

void DrawIntro(Canvas& canvas, FontBook& fonts, const Variant& v) {
    DrawGround(canvas);
    const Rect heart = PlaceOf("intro_coracao");
    DrawBeam(canvas, heart.Cx(), -20, heart.Cx() - 130, heart.Cx() + 130, 260, 0.16f);
    canvas.Glow(heart.Cx(), heart.Cy(), 150, Hex(0x6A3AD8), 0.4f);
    if (v.light == Light::Lit) {
        DrawHeart(canvas, heart);
    }
    DrawLogo(canvas, fonts, 320, 288, 62);
    DrawCentred(canvas, fonts, "O GRANDE JOGO DE PERGUNTAS", 320, 345, Caption(16, Hex(0xE0DAFF)));
    DrawCentred(canvas, fonts, "tecle ENTER ou clique para começar", 320, 448,
                Caption(12, Hex(0xD0CAF8)));
}

void DrawParchment(Canvas& canvas, FontBook& fonts, std::string_view words) {
    const Rect area = canvas.View();
    const auto w = static_cast<float>(area.w);
    const auto h = static_cast<float>(area.h);
    canvas.Fill(VerticalGradient(0, Hex(0xFBF0CF), h, Hex(0xE6CD92)));
    canvas.FillShape(area, Outline(Box(3, 3, w - 3, h - 3, 6), 1.2f), Solid(Hex(0x9A6A2A)));
    canvas.FillShape(area, Outline(Box(0.5f, 0.5f, w - 0.5f, h - 0.5f, 2), 1.0f),
                     Solid(Hex(0x6A4418)));
    TextStyle style;
    style.face = Face::SerifBoldItalic;
    style.points = FitPoints(fonts, style.face, words, area.w - 40, area.h - 14, 28);
    style.paint = VerticalGradient(8, Hex(0xA81818), h - 8, Hex(0x600808));
    style.shadow = Hex(0xC8A868);
    style.shadowOffset = 1;
    DrawCentred(canvas, fonts, words, w / 2, h / 2, style);
}

void DrawPrize(Canvas& canvas, FontBook& fonts, const Variant& v) {
    DrawGround(canvas);
    DrawBeam(canvas, 320, -20, 150, 490, 440, 0.10f);
    DrawLogo(canvas, fonts, 320, 58, 40);
    DrawCentred(canvas, fonts, "FIM DE JOGO", 320, 128, GoldTitle(22, 128));
    DrawPanel(canvas, {136, 172, 368, 264}, 12);
    // Whatever the amount, the score board comes next; whether the result enters it depends
    // on the board, so the screen promises nothing about that.
    DrawCentred(canvas, fonts, "em seguida, o placar", 320, 458, Caption(12, Hex(0xD0CAF8)));
    if (v.amount.empty()) {
        return;
    }
    const Rect area = PlaceOf("0");
    const bool nothing = v.amount == "0";
    if (!nothing) {
        canvas.Glow(area.Cx(), area.Cy(), static_cast<float>(area.h) / 2 - 4, Hex(0xFFC030), 0.25f);
        DrawSparkle(canvas, area.x + 40.f, area.y + 40.f, 9, kGoldLight);
        DrawSparkle(canvas, area.Right() - 44.f, area.Bottom() - 40.f, 11, kGoldLight);
        DrawSparkle(canvas, area.Right() - 70.f, area.y + 30.f, 6, kWhite);
    }
    const std::string money = Money(v.amount);
    const int points = FitPoints(fonts, Face::SansBold, money, area.w - 40, 60, 46);
    TextStyle style = GoldTitle(points, area.Cy());
    if (nothing) {
        style.paint =
            VerticalGradient(area.Cy() - 25, Hex(0xE0DCF0), area.Cy() + 25, Hex(0x8C86A8));
    }
    DrawCentred(canvas, fonts, money, area.Cx(), area.Cy() - 8, style);
    DrawCentred(canvas, fonts, nothing ? "nada desta vez" : "em prêmios", area.Cx(), area.Cy() + 42,
                Caption(12, Hex(0xE0DAFF)));
}

void DrawConfetti(Canvas& canvas) {
    static constexpr Color kColors[] = {Hex(0xFFD23A), Hex(0xFF6A3A), Hex(0x4AD8FF), Hex(0xFF4AA8),
                                        Hex(0x8AF05A)};
    Sequence random(0xC0FFEEu);
    const auto next = [&random] { return random.Next(); };
    for (int i = 0; i < 90; ++i) {
        const float x = next() * 640;
        const float y = next() * 480;
        // Keep the lettering clear.
        const bool onLogo = y < 112 && x > 130 && x < 510;
        const bool onCaption = y > 365 && y < 445 && x > 90 && x < 550;
        const float angle = next() * 3.14159f;
        const float len = 4 + next() * 5;
        const Color color = kColors[static_cast<int>(next() * 5) % 5];
        const float dx = std::cos(angle) * len;
        const float dy = std::sin(angle) * len;
        if (onLogo || onCaption) {
            continue;
        }
        canvas.FillShape({static_cast<int>(x) - 12, static_cast<int>(y) - 12, 24, 24},
                         Segment(x - dx, y - dy, x + dx, y + dy, 1.8f), Solid(color), 0.85f);
    }
}

void DrawCongratulations(Canvas& canvas, FontBook& fonts, const Variant&) {
    DrawGround(canvas);
    DrawBeam(canvas, 150, -20, 40, 300, 470, 0.10f);
    DrawBeam(canvas, 490, -20, 340, 600, 470, 0.10f);
    DrawConfetti(canvas);
    DrawLogo(canvas, fonts, 320, 70, 46);
    // Where the congratulations banner blinks.
    const Rect banner{59, 197, 526, 148};
    canvas.Glow(banner.Cx(), banner.Cy(), 300, Hex(0xFFB020), 0.3f);
    DrawCentred(canvas, fonts, "VOCÊ GANHOU R$ 1.000.000!", 320, 392, GoldTitle(24, 392));
    DrawCentred(canvas, fonts, "o prêmio máximo do jogo", 320, 430, Caption(12, Hex(0xE0DAFF)));
}

void DrawCongratulationsBanner(Canvas& canvas, FontBook& fonts) {
    const Rect area = canvas.View();
    const auto w = static_cast<float>(area.w);
    const auto h = static_cast<float>(area.h);
    canvas.Fill(RadialGradient(w / 2, h / 2, w / 2, Hex(0xFFE64A), Hex(0xFF8400)));
    Sequence random(0xBA22E1u);
    const auto next = [&random] { return random.Next(); };
    for (int i = 0; i < 36; ++i) {
        DrawSparkle(canvas, 6 + next() * (w - 12), 6 + next() * (h - 12), 2 + next() * 6,
                    Mix(kWhite, kYellow, next() * 0.5f));
    }
    canvas.FillShape(area, Outline(Box(2, 2, w - 2, h - 2, 4), 1.6f), Solid(Hex(0xB04A00)));
    TextStyle style;
    style.face = Face::SerifBoldItalic;
    style.points = FitPoints(fonts, style.face, "Parabéns!", area.w - 60, area.h - 30, 72);
    style.paint = VerticalGradient(20, Hex(0xE6F8FF), h - 20, Hex(0x58C4FF));
    style.outline = 3;
    style.outlineColor = Hex(0x123A8A);
    style.shadow = Hex(0x7A3000);
    style.shadowOffset = 4;
    DrawCentred(canvas, fonts, "Parabéns!", w / 2, h / 2, style);
}

} // namespace

void DrawIntroScreen(PictureSet& set) {
    const Screen screen{"bgintro", DrawIntro};
    set.AddBackground(screen);
    set.CutEmbedded(screen, "intro_coracao", Variant::Lit());
}

void DrawPrizeScreen(PictureSet& set) {
    const Screen screen{"bgpremio", DrawPrize};
    set.AddBackground(screen);
    for (std::string_view amount : pictures::kPrizeAmounts) {
        set.Cut(screen, amount, Variant::Amount(amount));
    }
    const Rect banner{0, 0, 352, 54};
    set.AddEmbedded("premio_faixa", Render(banner, [&](Canvas& c) {
                        DrawParchment(c, set.Fonts(), "Você ganhou!");
                    }));
    set.Add("vocenaoganhou", pictures::Folder::Package,
            Render(banner, [&](Canvas& c) { DrawParchment(c, set.Fonts(), "Você não ganhou!"); }));
}

void DrawCongratulationsScreen(PictureSet& set) {
    set.AddBackground({"bgparabens", DrawCongratulations});
    set.AddEmbedded("parabens_faixa", Render({0, 0, 526, 148}, [&](Canvas& c) {
                        DrawCongratulationsBanner(c, set.Fonts());
                    }));
}

} // namespace picturegen
