// The cards help's panel, card backs and faces, and the grounds of the guests and audience
// boards panels, each with room for the labels the game writes on them.
#include "Screens.h"

#include <array>
#include <string>

namespace picturegen {
namespace {

using namespace colors;

constexpr std::array<Rect, 4> kCards = {
    {{32, 85, 61, 91}, {72, 78, 61, 91}, {111, 70, 61, 91}, {151, 63, 61, 91}}};
constexpr int kLabelWidth = 57;
constexpr int kLabelHeight = 37;
constexpr int kLabelPoints = 18;

enum class CardSide { Back, LitBack, Face };

// The ground of a help panel: dark, gold-edged, with its title.
void DrawPanelGround(Canvas& canvas, FontBook& fonts, int width, int height,
                     std::string_view title) {
    const auto w = static_cast<float>(width);
    const auto h = static_cast<float>(height);
    const Rect all{0, 0, width, height};
    canvas.Fill(VerticalGradient(0, Hex(0x241C78), h, Hex(0x0C0836)));
    canvas.Glow(w / 2, h * 0.45f, w * 0.6f, Hex(0x3A2AA0), 0.35f);
    canvas.FillShape(all, Outline(Box(1.5f, 1.5f, w - 1.5f, h - 1.5f, 3), 1.5f), Solid(kGold));
    canvas.FillShape(all, Outline(Box(5, 5, w - 5, h - 5, 4), 0.6f), Solid(kGoldDeep));
    DrawCentred(canvas, fonts, title, w / 2, 20, GoldTitle(13, 20));
}

void DrawCard(Canvas& canvas, FontBook& fonts, Rect card, CardSide side, int number, int suit) {
    const auto x0 = static_cast<float>(card.x);
    const auto y0 = static_cast<float>(card.y);
    const auto x1 = static_cast<float>(card.Right());
    const auto y1 = static_cast<float>(card.Bottom());
    const float cx = card.Cx();
    const float cy = card.Cy();
    const Rect bounds = Inset(card, -4);
    canvas.FillShape(bounds, Box(x0 + 2, y0 + 3, x1 + 2, y1 + 3, 5), Solid(kBlack), 0.45f, 3);
    canvas.FillShape(bounds, Box(x0, y0, x1, y1, 5),
                     Solid(side == CardSide::LitBack ? kYellow : kWhite));
    if (side == CardSide::Face) {
        canvas.FillShape(bounds, Box(x0 + 2, y0 + 2, x1 - 2, y1 - 2, 4),
                         VerticalGradient(y0, Hex(0xFFFDF2), y1, Hex(0xF0E2BE)));
        static const char* const kSuits[] = {"\u2660", "\u2665", "\u2666", "\u2663"};
        const Color suitColor = suit == 1 || suit == 2 ? Hex(0xC81828) : kInk;
        DrawCentred(canvas, fonts, kSuits[suit], x0 + 10, y0 + 11, Plain(10, suitColor));
        DrawCentred(canvas, fonts, kSuits[suit], x1 - 10, y1 - 11, Plain(10, suitColor));
        // The digit keeps clear rows above and below it, apart from the words.
        DrawCentred(canvas, fonts, "ELIMINA", cx, y0 + 23, Plain(7, Hex(0x5A4A80)));
        TextStyle big = Plain(26, number == 0 ? Hex(0x6A6480) : Hex(0xC81828));
        big.shadow = Hex(0xD8C898);
        big.shadowOffset = 1;
        DrawCentred(canvas, fonts, std::to_string(number), cx, cy, big);
        DrawCentred(canvas, fonts, number == 1 ? "ERRADA" : "ERRADAS", cx, y1 - 23,
                    Plain(7, Hex(0x5A4A80)));
        return;
    }
    const bool lit = side == CardSide::LitBack;
    canvas.FillShape(bounds, Box(x0 + 3, y0 + 3, x1 - 3, y1 - 3, 3),
                     lit ? VerticalGradient(y0, Hex(0x8A70FF), y1, Hex(0x3A20B0))
                         : VerticalGradient(y0, Hex(0x4A2AB8), y1, Hex(0x1A0C5A)));
    for (float d = -80; d < 80; d += 9) {
        canvas.FillShape(Inset(card, 4), Segment(cx + d - 60, cy - 60, cx + d + 60, cy + 60, 0.5f),
                         Solid(kGold), lit ? 0.55f : 0.35f);
        canvas.FillShape(Inset(card, 4), Segment(cx + d + 60, cy - 60, cx + d - 60, cy + 60, 0.5f),
                         Solid(kGold), lit ? 0.55f : 0.35f);
    }
    canvas.FillShape(bounds, Circle(cx, cy, 14),
                     VerticalGradient(cy - 14, kGoldLight, cy + 14, kGoldDeep));
    canvas.FillShape(bounds, Circle(cx, cy, 12), Solid(lit ? Hex(0xFFF0A0) : kInk));
    DrawCentred(canvas, fonts, "?", cx, cy, Plain(14, lit ? kInk : kYellow));
}

void DrawCardPanel(Canvas& canvas, FontBook& fonts) {
    DrawPanelGround(canvas, fonts, 244, 210, "ESCOLHA UMA CARTA");
    DrawCentred(canvas, fonts, "ela tira de 0 a 3 respostas erradas", 122, 40,
                Plain(8, Hex(0xC8C2F0)));
}

// A card picture: the card over the panel's ground, which shows at its rounded corners.
Canvas RenderCard(FontBook& fonts, int card, CardSide side, int number) {
    const Rect place = kCards[static_cast<std::size_t>(card)];
    return Render(place, [&](Canvas& c) {
        DrawCardPanel(c, fonts);
        DrawCard(c, fonts, place, side, number, card);
    });
}

// A box exactly on a label. The game writes the caption's line from the label's top, so the
// dark field is centred on where the figures of that line fall and the frame fills the rest.
void DrawLabelSlot(Canvas& canvas, FontBook& fonts, int x, int y) {
    const auto x0 = static_cast<float>(x);
    const auto y0 = static_cast<float>(y);
    const float figures = RenderMask(fonts, Face::SansBold, kLabelPoints, "0").ink.Cy();
    const float fieldBottom = y0 + 2 * figures - 2;
    const Rect bounds{x - 4, y - 4, kLabelWidth + 10, kLabelHeight + 10};
    canvas.FillShape(bounds, Box(x0 + 2, y0 + 3, x0 + kLabelWidth + 2, y0 + kLabelHeight + 3, 8),
                     Solid(kBlack), 0.5f, 3);
    canvas.FillShape(bounds, Box(x0, y0, x0 + kLabelWidth, y0 + kLabelHeight, 8),
                     VerticalGradient(y0, kGoldLight, y0 + kLabelHeight, kGoldDeep));
    canvas.FillShape(bounds, Box(x0 + 2, y0 + 2, x0 + kLabelWidth - 2, fieldBottom, 6),
                     VerticalGradient(y0, Hex(0x2A2290), fieldBottom, Hex(0x0C0840)));
}

// The track of the panel's ten-second bar, which the game draws at (28, 175), 185 x 3.
void DrawBarTrack(Canvas& canvas) {
    canvas.FillShape({20, 168, 200, 18}, Box(25, 172, 216, 181, 4), Solid(kGoldDeep));
    canvas.FillShape({20, 168, 200, 18}, Box(26.5f, 173.5f, 214.5f, 179.5f, 3),
                     Solid(Hex(0x06041C)));
}

void DrawGuest(Canvas& canvas, float cx, float top, Color shirt) {
    const Rect bounds{static_cast<int>(cx) - 26, static_cast<int>(top) - 2, 52, 44};
    canvas.FillShape(bounds, Box(cx - 20, top + 22, cx + 20, top + 50, 14),
                     VerticalGradient(top + 20, shirt, top + 44, Mix(shirt, kBlack, 0.5f)));
    canvas.FillShape(bounds, Circle(cx, top + 12, 11),
                     RadialGradient(cx - 3, top + 8, 14, Hex(0xFFD8B0), Hex(0xC08858)));
}

void DrawGuests(Canvas& canvas, FontBook& fonts) {
    DrawPanelGround(canvas, fonts, 241, 206, "CONVIDADOS");
    const std::array<std::pair<int, int>, 3> slots = {{{92, 88}, {32, 136}, {152, 136}}};
    const Color shirts[] = {Hex(0xD83A3A), Hex(0x2A9A5A), Hex(0x3A6AE0)};
    for (std::size_t g = 0; g < slots.size(); ++g) {
        const auto [x, y] = slots[g];
        DrawGuest(canvas, static_cast<float>(x + kLabelWidth / 2), static_cast<float>(y - 44),
                  shirts[g]);
    }
    for (const auto& [x, y] : slots) {
        DrawLabelSlot(canvas, fonts, x, y);
    }
    DrawBarTrack(canvas);
}

void DrawBoards(Canvas& canvas, FontBook& fonts) {
    DrawPanelGround(canvas, fonts, 241, 206, "PLACAS DA PLATEIA");
    const std::array<std::pair<int, int>, 4> slots = {{{32, 48}, {144, 48}, {84, 112}, {152, 128}}};
    for (const auto& [x, y] : slots) {
        const auto cx = static_cast<float>(x + kLabelWidth / 2);
        const auto bottom = static_cast<float>(y + kLabelHeight);
        canvas.FillShape({x + 20, y + 30, 18, 40},
                         Box(cx - 2.5f, bottom - 2, cx + 2.5f, std::min(bottom + 22, 168.f), 1.5f),
                         VerticalGradient(bottom, Hex(0xB07838), bottom + 20, Hex(0x6A4018)));
    }
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const auto [x, y] = slots[i];
        DrawLabelSlot(canvas, fonts, x, y);
        const float tx = static_cast<float>(x) + 2;
        const float ty = static_cast<float>(y) - 2;
        canvas.FillShape({x - 10, y - 12, 24, 24}, Circle(tx, ty, 8),
                         VerticalGradient(ty - 8, kGoldLight, ty + 8, kGoldDeep));
        DrawCentred(canvas, fonts, std::to_string(i + 1), tx, ty, Plain(9, kInk));
    }
    DrawBarTrack(canvas);
}

} // namespace

void DrawCardsHelp(PictureSet& set) {
    FontBook& fonts = set.Fonts();
    set.AddEmbedded("cartas_painel", Render({0, 0, 244, 210}, [&](Canvas& c) {
                        DrawCardPanel(c, fonts);
                        for (int card = 0; card < 4; ++card) {
                            DrawCard(c, fonts, kCards[static_cast<std::size_t>(card)],
                                     CardSide::Back, 0, card);
                        }
                    }));
    for (int card = 0; card < 4; ++card) {
        const std::string position = std::to_string(card + 1);
        set.Add("cartasover-" + position, pictures::Folder::HighDetail,
                RenderCard(fonts, card, CardSide::LitBack, 0));
        for (int number = 0; number <= 3; ++number) {
            set.Add(std::to_string(number) + "-" + position, pictures::Folder::Package,
                    RenderCard(fonts, card, CardSide::Face, number));
        }
    }
}

void DrawHelpPanels(PictureSet& set) {
    const Rect panel{0, 0, 241, 206};
    set.Add("ajuda convidados", pictures::Folder::HighDetail,
            Render(panel, [&](Canvas& c) { DrawGuests(c, set.Fonts()); }));
    set.Add("ajuda placas", pictures::Folder::HighDetail,
            Render(panel, [&](Canvas& c) { DrawBoards(c, set.Fonts()); }));
}

} // namespace picturegen
