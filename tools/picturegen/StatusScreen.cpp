// The status screen's prize ladder: sixteen rungs, each a plate inside the rectangle of its
// highlight, and the prize table the game screen's values pictures show.
#include "Screens.h"

#include <array>
#include <stdexcept>
#include <string>

namespace picturegen {
namespace {

using namespace colors;

constexpr int kSteps = 16;
constexpr int kPlateHeight = 20;
constexpr int kPlateGap = 2;
constexpr float kPlateLeft = 156;
constexpr float kPlateRight = 485;

constexpr std::array<StepValues, kSteps> kValues = {{
    {"0", "0", "1000"},
    {"500", "1000", "2000"},
    {"1000", "2000", "3000"},
    {"1500", "3000", "4000"},
    {"2000", "4000", "5000"},
    {"2500", "5000", "10000"},
    {"5000", "10000", "20000"},
    {"10000", "20000", "30000"},
    {"15000", "30000", "40000"},
    {"20000", "40000", "50000"},
    {"25000", "50000", "100000"},
    {"50000", "100000", "200000"},
    {"100000", "200000", "300000"},
    {"150000", "300000", "400000"},
    {"200000", "400000", "500000"},
    {"0", "500000", "1000000"},
}};

std::string HighlightName(int step) {
    return pictures::Numbered("valor ", step, 2);
}

// The rungs' highlights overlap, so each plate is placed inside its own highlight's rectangle
// without touching its neighbours, packed from the bottom rung up.
std::array<int, kSteps + 1> PlateTops() {
    std::array<int, kSteps + 1> tops{};
    int above = 1 << 20;
    for (int step = 1; step <= kSteps; ++step) {
        const Rect spot = PlaceOf(HighlightName(step));
        const int top =
            std::min(spot.Bottom() - kPlateHeight - 1, above - kPlateHeight - kPlateGap);
        if (top <= spot.y) {
            throw std::logic_error("no room for the plate of step " + std::to_string(step));
        }
        tops[static_cast<std::size_t>(step)] = top;
        above = top;
    }
    return tops;
}

int LevelOf(int step) {
    return step <= 5 ? 1 : step <= 10 ? 2 : 3;
}

Color LevelTint(int level) {
    static constexpr Color kTints[] = {Hex(0x2A2FA0), Hex(0x4C22A0), Hex(0x7A1C84)};
    return kTints[level - 1];
}

void DrawPlate(Canvas& canvas, FontBook& fonts, int step, int top, bool lit) {
    const auto y0 = static_cast<float>(top);
    const auto y1 = y0 + kPlateHeight;
    const float cy = (y0 + y1) / 2;
    const Rect bounds{140, top - 4, 360, kPlateHeight + 8};
    const Color tint = LevelTint(LevelOf(step));
    const Color edge = lit ? kWhite : step == kSteps ? kGold : Mix(tint, kWhite, 0.35f);
    canvas.FillShape(bounds, Box(kPlateLeft, y0, kPlateRight, y1, 10), Solid(edge));
    canvas.FillShape(
        bounds, Box(kPlateLeft + 1.5f, y0 + 1.5f, kPlateRight - 1.5f, y1 - 1.5f, 8.5f),
        lit ? VerticalGradient(y0, Hex(0xFFF4A0), y1, Hex(0xF0A000))
            : VerticalGradient(y0, Mix(tint, kWhite, 0.12f), y1, Mix(tint, kBlack, 0.45f)));
    canvas.FillShape(bounds, Circle(kPlateLeft + 13, cy, 8), Solid(lit ? kInk : kGold));
    TextStyle number;
    number.points = step >= 10 ? 7 : 8;
    number.paint = Solid(lit ? kYellow : kInk);
    DrawCentred(canvas, fonts, std::to_string(step), kPlateLeft + 13, cy, number);
    const std::string money = Money(kValues[static_cast<std::size_t>(step - 1)].right);
    TextStyle amount;
    amount.points = 12;
    amount.paint = Solid(lit ? kInk : step == kSteps ? kYellow : kWhite);
    if (!lit) {
        amount.shadow = kBlack;
        amount.shadowOffset = 1;
    }
    const int width = TextWidth(fonts, amount.face, amount.points, money);
    DrawCentred(canvas, fonts, money, kPlateRight - 14 - static_cast<float>(width) / 2, cy, amount);
    if (lit) {
        canvas.FillShape(
            bounds,
            Polygon({{kPlateLeft + 28, cy - 6}, {kPlateLeft + 38, cy}, {kPlateLeft + 28, cy + 6}}),
            Solid(kInk));
    }
}

void DrawLevelLabel(Canvas& canvas, FontBook& fonts, const std::array<int, kSteps + 1>& tops,
                    int first, int last) {
    const auto top = static_cast<float>(tops[static_cast<std::size_t>(last)]);
    const auto bottom = static_cast<float>(tops[static_cast<std::size_t>(first)] + kPlateHeight);
    const Color tint = Mix(LevelTint(LevelOf(first)), kWhite, 0.45f);
    canvas.FillShape({126, static_cast<int>(top) - 2, 10, static_cast<int>(bottom - top) + 4},
                     Box(130, top, 133, bottom, 1.5f), Solid(tint));
    TextStyle style;
    style.points = 11;
    style.paint = Solid(tint);
    style.shadow = kBlack;
    DrawCentred(canvas, fonts, "NÍVEL " + std::to_string(LevelOf(first)), 70, (top + bottom) / 2,
                style);
}

void DrawStatus(Canvas& canvas, FontBook& fonts, const Variant& v) {
    DrawGround(canvas);
    DrawBeam(canvas, 320, -20, 170, 470, 470, 0.08f);
    DrawLogo(canvas, fonts, 320, 28, 24);
    const auto tops = PlateTops();
    DrawLevelLabel(canvas, fonts, tops, 1, 5);
    DrawLevelLabel(canvas, fonts, tops, 6, 10);
    DrawLevelLabel(canvas, fonts, tops, 11, 16);
    DrawCentred(canvas, fonts, "PRÊMIOS", 568, 240, GoldTitle(18, 240));
    canvas.Glow(568, 300, 30, Hex(0x5A3ED0), 0.4f);
    for (int step = 1; step <= kSteps; ++step) {
        DrawPlate(canvas, fonts, step, tops[static_cast<std::size_t>(step)], v.step == step);
    }
}

} // namespace

StepValues ValuesOfStep(int step) {
    return kValues.at(static_cast<std::size_t>(step - 1));
}

std::string Money(std::string_view digits) {
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped += '.';
        }
        grouped += digits[i];
    }
    return "R$ " + grouped;
}

void DrawStatusScreen(PictureSet& set) {
    const Screen screen{"bgstatus", DrawStatus};
    set.AddBackground(screen);
    for (int step = 1; step <= kSteps; ++step) {
        set.Cut(screen, HighlightName(step), Variant::LitStep(step));
    }
}

} // namespace picturegen
