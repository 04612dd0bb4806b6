// The game screen's own background and every picture that lies on it: answer markers, the
// yes/no/stop buttons, the help buttons and their covers, the countdown and the step values.
#include "Screens.h"

#include <cmath>
#include <numbers>
#include <span>
#include <string>
#include <vector>

namespace picturegen {
namespace {

using namespace colors;

constexpr int kAnswerTops[] = {172, 213, 254, 294};
constexpr int kCountdownSteps = 21;

Light ButtonLight(Light light) {
    return light == Light::Used ? Light::Normal : light;
}

std::string Label(std::string_view digits) {
    const long value = std::stol(std::string(digits));
    if (value >= 1000000) {
        return "1 MILHÃO";
    }
    if (value >= 1000 && value % 1000 == 0) {
        return std::to_string(value / 1000) + " MIL";
    }
    return std::string(digits);
}

void DrawMarker(Canvas& canvas, FontBook& fonts, Rect place, std::string_view mark, bool lit) {
    const float cx = place.Cx();
    const float cy = place.Cy();
    const float r = 12;
    const Rect bounds = Around(cx, cy, r + 2);
    if (lit) {
        canvas.Glow(cx, cy, 14, kYellow, 0.7f);
    }
    canvas.FillShape(bounds, Circle(cx, cy, r),
                     VerticalGradient(cy - r, kGoldLight, cy + r, kGoldDeep));
    canvas.FillShape(bounds, Circle(cx, cy, r - 2),
                     lit ? RadialGradient(cx, cy - 4, 14, Hex(0xFFF6A0), Hex(0xF0A000))
                         : RadialGradient(cx, cy - 4, 14, Hex(0x4A50D8), Hex(0x10145A)));
    TextStyle style = Plain(11, lit ? kInk : kWhite);
    DrawCentred(canvas, fonts, mark, cx, cy, style);
}

void DrawBar(Canvas& canvas, float y0, float y1, float x1, Color top, Color bottom) {
    const Rect bounds{24, static_cast<int>(y0) - 6, static_cast<int>(x1) - 14,
                      static_cast<int>(y1 - y0) + 14};
    const float r = (y1 - y0) / 2;
    canvas.FillShape(bounds, Box(36, y0 + 3, x1 + 2, y1 + 3, r), Solid(kBlack), 0.5f, 4);
    canvas.FillShape(bounds, Box(34, y0, x1, y1, r),
                     VerticalGradient(y0, Hex(0x9AB0FF), y1, Hex(0x3A4AB0)));
    canvas.FillShape(bounds, Box(35.5f, y0 + 1.5f, x1 - 1.5f, y1 - 1.5f, r - 1.5f),
                     VerticalGradient(y0, top, y1, bottom));
}

void DrawAnswers(Canvas& canvas, FontBook& fonts, Light light) {
    for (int i = 0; i < 4; ++i) {
        const auto top = static_cast<float>(kAnswerTops[i]);
        DrawBar(canvas, top - 3, top + 28, 356, Hex(0x2440B8), Hex(0x0A1458));
        const std::string mark = std::to_string(i + 1);
        DrawMarker(canvas, fonts, PlaceOf(mark + "-on"), mark, light == Light::Lit);
    }
    DrawBar(canvas, 328, 361, 372, Hex(0xC85A08), Hex(0x6A2200));
    DrawMarker(canvas, fonts, {30, 331, 28, 27}, "?", false);
}

void DrawQuestionBox(Canvas& canvas) {
    const Rect bounds{210, 28, 400, 126};
    canvas.FillShape(bounds, Box(225, 42, 602, 147, 12), Solid(kBlack), 0.5f, 5);
    canvas.FillShape(bounds, Box(221, 37, 600, 144, 12),
                     VerticalGradient(37, kGoldLight, 144, kGoldDeep));
    canvas.FillShape(bounds, Box(224, 40, 597, 141, 9),
                     VerticalGradient(40, Hex(0xFFFBEA), 141, Hex(0xF3E4BC)));
}

Symbol CardsSymbol() {
    return [](Canvas& canvas, FontBook& fonts, float cx, float cy, float r, Color ink) {
        const Rect bounds = Around(cx, cy, r);
        const float w = r * 0.52f;
        const float h = r * 0.78f;
        const auto card = [&](float x, float y) {
            canvas.FillShape(bounds, Box(x - w / 2, y - h / 2, x + w / 2, y + h / 2, 2.5f),
                             Solid(ink));
            canvas.FillShape(
                bounds,
                Box(x - w / 2 + 1.5f, y - h / 2 + 1.5f, x + w / 2 - 1.5f, y + h / 2 - 1.5f, 1.5f),
                Solid(Mix(ink, kBlack, 0.55f)));
        };
        card(cx - r * 0.22f, cy + r * 0.04f);
        card(cx + r * 0.22f, cy - r * 0.04f);
        DrawCentred(canvas, fonts, "?", cx + r * 0.22f, cy - r * 0.04f,
                    Plain(static_cast<int>(r * 0.5f), ink));
    };
}

Symbol GuestsSymbol() {
    return [](Canvas& canvas, FontBook&, float cx, float cy, float r, Color ink) {
        const Rect bounds = Around(cx, cy, r);
        for (int i = -1; i <= 1; ++i) {
            const float x = cx + static_cast<float>(i) * r * 0.48f;
            const float s = i == 0 ? 1.0f : 0.82f;
            const float y = cy + (i == 0 ? -r * 0.06f : r * 0.06f);
            canvas.FillShape(bounds, Circle(x, y - r * 0.26f * s, r * 0.17f * s), Solid(ink));
            canvas.FillShape(
                bounds,
                Box(x - r * 0.24f * s, y, x + r * 0.24f * s, y + r * 0.42f * s, r * 0.16f * s),
                Solid(ink));
        }
    };
}

Symbol BoardsSymbol() {
    return [](Canvas& canvas, FontBook&, float cx, float cy, float r, Color ink) {
        const Rect bounds = Around(cx, cy, r);
        const float heights[] = {0.35f, 0.9f, 0.55f, 0.25f};
        const float base = cy + r * 0.45f;
        for (int i = 0; i < 4; ++i) {
            const float x = cx + (static_cast<float>(i) - 1.5f) * r * 0.32f;
            canvas.FillShape(bounds,
                             Box(x - r * 0.11f, base - r * heights[i], x + r * 0.11f, base, 1),
                             Solid(ink));
        }
        canvas.FillShape(bounds, Segment(cx - r * 0.62f, base + 2, cx + r * 0.62f, base + 2, 0.9f),
                         Solid(ink));
    };
}

// Two arrow heads over the word of a skip.
Emblem Skip() {
    const auto arrows = [](Canvas& canvas, FontBook&, float cx, float cy, float r, Color ink) {
        const Rect bounds = Around(cx, cy, r);
        for (int i = 0; i < 2; ++i) {
            const float x = cx - r * 0.28f + static_cast<float>(i) * r * 0.36f;
            const float y = cy - r * 0.3f;
            canvas.FillShape(bounds,
                             Polygon({{x, y - r * 0.24f}, {x + r * 0.3f, y}, {x, y + r * 0.24f}}),
                             Solid(ink));
        }
    };
    return {"PULO", {0.32f, 1.3f, 0.45f}, {}, arrows};
}

// The screen's round buttons: the six helps, then yes, no and stop.
constexpr std::size_t kHelps = 6;

std::vector<RoundButton> GameButtons() {
    const Emblem helps[kHelps] = {{{}, {}, {}, CardsSymbol()},
                                  {{}, {}, {}, GuestsSymbol()},
                                  {{}, {}, {}, BoardsSymbol()},
                                  Skip(),
                                  Skip(),
                                  Skip()};
    std::vector<RoundButton> buttons;
    for (std::size_t i = 0; i < kHelps; ++i) {
        buttons.push_back({PlaceOf("overAjuda_" + std::to_string(i)), helps[i]});
    }
    buttons.push_back({PlaceOf("bot_jogo_sim"), Word("SIM")});
    buttons.push_back({PlaceOf("bot_jogo_nao"), Word("NÃO")});
    buttons.push_back({PlaceOf("bot_jogo_parar"), Word("PARAR")});
    return buttons;
}

void DrawHelps(Canvas& canvas, FontBook& fonts, std::span<const RoundButton> helps,
               const TextStyle& caption, Light light) {
    DrawPanel(canvas, {382, 168, 230, 188}, 12);
    DrawCentred(canvas, fonts, "AJUDAS", 497, 192, GoldTitle(15, 192));
    for (const RoundButton& help : helps) {
        DrawRoundButton(canvas, fonts, help, caption, light);
    }
}

void DrawArc(Canvas& canvas, float cx, float cy, float r, float fraction, Color color) {
    const Sdf ring = Outline(Circle(cx, cy, r), 3.2f);
    const float limit = fraction * 2 * std::numbers::pi_v<float>;
    canvas.FillShape(
        Around(cx, cy, r + 4),
        [&](float x, float y) {
            float angle = std::atan2(x - cx, cy - y);
            if (angle < 0) {
                angle += 2 * std::numbers::pi_v<float>;
            }
            return angle <= limit ? ring(x, y) : 99.f;
        },
        Solid(color));
}

void DrawCountdown(Canvas& canvas, FontBook& fonts, int step) {
    const Rect field = PlaceOf("01");
    const float cx = field.Cx();
    const float cy = field.Cy();
    const Rect bounds = Inset(field, -6);
    canvas.FillShape(bounds, Circle(cx + 2, cy + 3, 50), Solid(kBlack), 0.5f, 4);
    canvas.FillShape(bounds, Circle(cx, cy, 50),
                     VerticalGradient(cy - 50, kGoldLight, cy + 50, kGoldDeep));
    canvas.FillShape(bounds, Circle(cx, cy, 46),
                     RadialGradient(cx, cy - 18, 60, Hex(0x3CD070), Hex(0x0A4A22)));
    if (step == 0) {
        return;
    }
    const float left = static_cast<float>(kCountdownSteps - step + 1) / kCountdownSteps;
    const Color tone = step >= 13 ? Hex(0xFF4A3A) : step >= 8 ? kYellow : Hex(0xB8FFB0);
    canvas.FillShape(bounds, Outline(Circle(cx, cy, 39), 3.2f), Solid(kBlack), 0.35f);
    DrawArc(canvas, cx, cy, 39, left, tone);
    TextStyle number = Plain(30, kWhite);
    number.shadow = kBlack;
    DrawCentred(canvas, fonts, std::to_string(2 * (kCountdownSteps + 1 - step)), cx, cy - 4,
                number);
    DrawCentred(canvas, fonts, "SEG", cx, cy + 20, Plain(8, Hex(0xD8FFD8)));
}

// Each column's heading stands out from the night sky by 4.5 to 1 or more.
constexpr Color kColumnColors[] = {Hex(0xFF6050), Hex(0xF2B92C), Hex(0x3AD060)};

void DrawValues(Canvas& canvas, FontBook& fonts, int step) {
    const Rect area = PlaceOf("valores 01");
    const char* headings[] = {"ERRAR", "PARAR", "ACERTAR"};
    for (int i = 0; i < 3; ++i) {
        const float x0 = static_cast<float>(area.x + 2 + 80 * i);
        const float x1 = x0 + 76;
        const auto y0 = static_cast<float>(area.y + 2);
        const auto y1 = static_cast<float>(area.Bottom() - 2);
        const Rect bounds{static_cast<int>(x0) - 2, area.y, 82, area.h};
        // Under the values: the help panels, when open, reach down to just above them.
        TextStyle heading = Plain(8, kColumnColors[i]);
        heading.shadow = kBlack;
        heading.shadowOffset = 1;
        DrawCentred(canvas, fonts, headings[i], (x0 + x1) / 2,
                    static_cast<float>(area.Bottom()) + 9, heading);
        canvas.FillShape(bounds, Box(x0, y0, x1, y1, 8), Solid(kColumnColors[i]),
                         step == 0 ? 0.45f : 1.0f);
        canvas.FillShape(bounds, Box(x0 + 2, y0 + 2, x1 - 2, y1 - 2, 6),
                         VerticalGradient(y0, Hex(0x201A70), y1, Hex(0x0A0830)));
        if (step == 0) {
            continue;
        }
        const StepValues values = ValuesOfStep(step);
        const std::string text = Label(i == 0 ? values.wrong : i == 1 ? values.stop : values.right);
        TextStyle style = Plain(13, kWhite);
        FitBold(fonts, text, 66, 20, 13, style);
        style.shadow = kBlack;
        style.shadowOffset = 1;
        DrawCentred(canvas, fonts, text, (x0 + x1) / 2, (y0 + y1) / 2, style);
    }
}

void DrawGame(Canvas& canvas, FontBook& fonts, const Variant& v) {
    DrawGround(canvas);
    DrawLogo(canvas, fonts, 112, 80, 25);
    DrawCentred(canvas, fonts, "O GRANDE JOGO DE PERGUNTAS", 112, 112, Plain(8, Hex(0xC8C2F0)));
    DrawQuestionBox(canvas);
    DrawAnswers(canvas, fonts, ButtonLight(v.light));
    const std::vector<RoundButton> buttons = GameButtons();
    const TextStyle caption = ScreenCaption(fonts, buttons);
    DrawHelps(canvas, fonts, std::span(buttons).first(kHelps), caption, v.light);
    for (const RoundButton& button : std::span(buttons).subspan(kHelps)) {
        DrawRoundButton(canvas, fonts, button, caption, ButtonLight(v.light));
    }
    DrawCountdown(canvas, fonts, v.tick);
    DrawValues(canvas, fonts, v.step);
    DrawCornerBalls(canvas,
                    {PlaceOf("circ_jogo_0"), PlaceOf("circ_jogo_1"), PlaceOf("circ_jogo_2")},
                    ButtonLight(v.light));
}

} // namespace

void DrawGameScreen(PictureSet& set) {
    const Screen screen{"jogo_fundo", DrawGame};
    set.AddBackground(screen);
    for (const char* name : {"circ_jogo_0", "circ_jogo_1", "circ_jogo_2", "bot_jogo_sim",
                             "bot_jogo_nao", "bot_jogo_parar", "1-on", "2-on", "3-on", "4-on"}) {
        set.Cut(screen, name, Variant::Lit());
    }
    for (int help = 0; help < 6; ++help) {
        set.Cut(screen, "overAjuda_" + std::to_string(help), Variant::Lit());
        set.Cut(screen, "tampaoajuda_" + std::to_string(help), Variant::Used());
    }
    for (int step = 1; step <= kCountdownSteps; ++step) {
        set.Cut(screen, pictures::Numbered("", step, 2), Variant::Tick(step));
    }
    for (int step = 1; step <= 16; ++step) {
        set.Cut(screen, pictures::Numbered("valores ", step, 2), Variant::Step(step));
    }
}

} // namespace picturegen
