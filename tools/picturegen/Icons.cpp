// The menu window's icon and the program's own pointer.
#include "Screens.h"

namespace picturegen {
namespace {

using namespace colors;

void DrawMenuIcon(Canvas& canvas, FontBook& fonts) {
    const Rect all = canvas.View();
    canvas.Fill(Solid(kNightTop));
    canvas.FillShape(all, Box(0.5f, 0.5f, 31.5f, 31.5f, 7),
                     VerticalGradient(0, kGoldLight, 32, kGoldDeep));
    canvas.FillShape(all, Box(2.5f, 2.5f, 29.5f, 29.5f, 5.5f),
                     RadialGradient(16, 10, 26, Hex(0x5A48D8), kDeepViolet));
    TextStyle q;
    q.points = 17;
    q.paint = GoldLettering(7, 25);
    DrawCentred(canvas, fonts, "Q", 16, 16, q);
}

// A two-colour arrow with its tip on pixel (1, 1), the hot spot; magenta marks what is not
// part of the pointer. Edges are hard so that each pixel is one of the three colours.
void DrawPointer(Canvas& canvas) {
    const Rect all = canvas.View();
    constexpr float kHard = 0.001f;
    const Sdf arrow = Polygon({{1.5f, 1.5f},
                               {1.5f, 22.5f},
                               {6.5f, 17.5f},
                               {10.5f, 26.5f},
                               {13.5f, 25.5f},
                               {9.5f, 16.5f},
                               {16.5f, 16.5f}});
    canvas.Fill(Solid(Hex(0xFF00FF)));
    canvas.FillShape(
        all, [&](float x, float y) { return arrow(x, y) - 0.9f; }, Solid(kBlack), 1, kHard);
    canvas.FillShape(
        all, [&](float x, float y) { return arrow(x, y) + 0.01f; }, Solid(kWhite), 1, kHard);
}

} // namespace

void DrawProgramIcons(PictureSet& set) {
    set.AddEmbedded("menu_icone",
                    Render({0, 0, 32, 32}, [&](Canvas& c) { DrawMenuIcon(c, set.Fonts()); }));
    set.AddEmbedded("ponteiro", Render({0, 0, 32, 32}, DrawPointer));
}

} // namespace picturegen
