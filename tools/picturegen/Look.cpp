#include "Look.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace picturegen {
namespace {

using namespace colors;

void DrawStars(Canvas& canvas) {
    Sequence random(0x51A7u);
    for (int i = 0; i < 170; ++i) {
        const float x = random.Next() * 640.0f;
        const float y = random.Next() * 480.0f;
        const float size = 1.2f + random.Next() * 2.2f;
        const float brightness = 0.25f + random.Next() * 0.6f;
        const Color tint = random.Next() < 0.3f ? kGoldLight : Hex(0xDDE4FF);
        canvas.Glow(x, y, size, tint, brightness);
    }
}

void DrawDisc(Canvas& canvas, float cx, float cy, float r, const Paint& paint, float alpha = 1,
              float softness = 1) {
    canvas.FillShape(Around(cx, cy, r + softness), Circle(cx, cy, r), paint, alpha, softness);
}

struct ButtonColors {
    Color ringTop, ringBottom, faceInner, faceOuter, ink;
};

ButtonColors ColorsFor(Light light) {
    switch (light) {
    case Light::Lit:
        return {kWhite, kGold, Hex(0xFFF7B0), Hex(0xF29A00), kInk};
    case Light::Used:
        return {Hex(0x77708C), Hex(0x3A3448), Hex(0x3E3858), Hex(0x1E1A2C), Hex(0x6E6884)};
    case Light::Normal:
        break;
    }
    return {kGoldLight, kGoldDeep, Hex(0x5444D0), kDeepViolet, kYellow};
}

void DrawUsedMark(Canvas& canvas, float cx, float cy, float r) {
    const float d = r * 0.62f;
    const Rect bounds = Around(cx, cy, r);
    const Paint red = Solid(Hex(0xE8262A));
    canvas.FillShape(bounds, Segment(cx - d, cy - d, cx + d, cy + d, 3.5f), Solid(kBlack), 0.6f, 2);
    canvas.FillShape(bounds, Segment(cx + d, cy - d, cx - d, cy + d, 3.5f), Solid(kBlack), 0.6f, 2);
    canvas.FillShape(bounds, Segment(cx - d, cy - d, cx + d, cy + d, 2.8f), red);
    canvas.FillShape(bounds, Segment(cx + d, cy - d, cx - d, cy + d, 2.8f), red);
}

// A round button's half side, the radius of its rim and that of its face inside the rim.
struct Radii {
    float room;
    float rim;
    float face;
};

Radii RadiiOf(Rect rect) {
    const float room = static_cast<float>(std::min(rect.w, rect.h)) / 2;
    const float rim = room - std::clamp(room * 0.14f, 1.5f, 5.0f);
    return {room, rim, rim - std::max(1.5f, rim * 0.1f)};
}

constexpr int kCaptionLargest = 14;

// A key named under a caption: small, yet with capitals of 8 pixels or more.
constexpr int kKeyPoints = 8;
constexpr float kKeyDy = 0.45f;

void DrawEmblem(Canvas& canvas, FontBook& fonts, const Emblem& emblem, const TextStyle& caption,
                float cx, float cy, float r, Color ink) {
    if (emblem.symbol) {
        emblem.symbol(canvas, fonts, cx, cy, r, ink);
    }
    if (!emblem.word.empty()) {
        TextStyle style = caption;
        style.paint = Solid(ink);
        // Light letters stand out from the dark face with a shadow; dark ones need none.
        if (ink.r + ink.g + ink.b > 1.5f) {
            style.shadow = kBlack;
        }
        style.shadowOffset = 1;
        DrawCentred(canvas, fonts, emblem.word, cx, cy + emblem.room.dy * r, style);
    }
    if (!emblem.key.empty()) {
        DrawCentred(canvas, fonts, emblem.key, cx, cy + kKeyDy * r,
                    Plain(kKeyPoints, Mix(ink, kWhite, 0.15f)));
    }
}

} // namespace

void DrawGround(Canvas& canvas) {
    canvas.Fill(VerticalGradient(0, kNightTop, 480, kNightBottom));
    canvas.Glow(320, -60, 460, Hex(0x2E3AB8), 0.45f);
    canvas.Glow(320, 560, 380, Hex(0x6A1A8A), 0.35f);
    DrawStars(canvas);
}

void DrawBeam(Canvas& canvas, float x, float y0, float x0, float x1, float y1, float strength) {
    const Rect bounds{static_cast<int>(std::min(x, x0)) - 40, static_cast<int>(y0) - 40,
                      static_cast<int>(std::max(x, x1) - std::min(x, x0)) + 80,
                      static_cast<int>(y1 - y0) + 80};
    canvas.FillShape(bounds, Polygon({{x - 4, y0}, {x + 4, y0}, {x1, y1}, {x0, y1}}),
                     VerticalGradient(y0, Hex(0xC8D0FF), y1, Hex(0x5060C0)), strength, 26);
}

Paint GoldLettering(float top, float bottom) {
    const float mid = (top + bottom) / 2;
    return [=](float, float y) {
        if (y < mid) {
            return Mix(Hex(0xFFF6C0), kYellow, std::clamp((y - top) / (mid - top), 0.f, 1.f));
        }
        return Mix(kGold, Hex(0xD77F0A), std::clamp((y - mid) / (bottom - mid), 0.f, 1.f));
    };
}

TextStyle Plain(int points, Color color) {
    TextStyle style;
    style.points = points;
    style.paint = Solid(color);
    return style;
}

TextStyle Caption(int points, Color color) {
    TextStyle style = Plain(points, color);
    style.shadow = kBlack;
    return style;
}

TextStyle GoldTitle(int points, float cy) {
    const float half = static_cast<float>(points) * 0.5f;
    TextStyle style;
    style.points = points;
    style.paint = GoldLettering(cy - half, cy + half);
    style.shadow = kBlack;
    style.shadowOffset = std::max(2, points / 12);
    style.outline = std::max(1, points / 16);
    style.outlineColor = Hex(0x3A1A06);
    return style;
}

void DrawLogo(Canvas& canvas, FontBook& fonts, float cx, float cy, int points) {
    canvas.Glow(cx, cy, static_cast<float>(points) * 2.6f, Hex(0x4A3AA0), 0.35f);
    DrawCentred(canvas, fonts, "QUORVANE", cx, cy, GoldTitle(points, cy));
    const float half = static_cast<float>(points) * 2.3f;
    canvas.Glow(cx - half, cy - static_cast<float>(points) * 0.4f, 9, kWhite, 0.9f);
    canvas.Glow(cx + half, cy + static_cast<float>(points) * 0.4f, 7, kWhite, 0.8f);
}

void DrawPanel(Canvas& canvas, Rect area, float radius, float thickness) {
    const auto x0 = static_cast<float>(area.x);
    const auto y0 = static_cast<float>(area.y);
    const auto x1 = static_cast<float>(area.Right());
    const auto y1 = static_cast<float>(area.Bottom());
    const Rect bounds{area.x - 12, area.y - 12, area.w + 24, area.h + 24};
    canvas.FillShape(bounds, Box(x0 + 3, y0 + 5, x1 + 3, y1 + 5, radius), Solid(kBlack), 0.5f, 6);
    canvas.FillShape(bounds, Box(x0, y0, x1, y1, radius),
                     VerticalGradient(y0, kGoldLight, y1, kGoldDeep));
    canvas.FillShape(bounds,
                     Box(x0 + thickness, y0 + thickness, x1 - thickness, y1 - thickness,
                         std::max(1.f, radius - thickness)),
                     VerticalGradient(y0, Hex(0x1A1660), y1, Hex(0x0E0A36)), 0.94f);
}

Emblem Word(std::string_view word) {
    return {word, {0, 1.75f, 0.62f}, {}, {}};
}

Emblem WordWithKey(std::string_view word, std::string_view key) {
    return {word, {-0.2f, 1.65f, 0.45f}, key, {}};
}

TextStyle ScreenCaption(FontBook& fonts, std::span<const RoundButton> buttons) {
    std::vector<FitBox> boxes;
    for (const RoundButton& button : buttons) {
        if (!button.emblem.word.empty()) {
            const float r = RadiiOf(button.rect).face;
            const CaptionRoom room = button.emblem.room;
            boxes.push_back({button.emblem.word, static_cast<int>(r * room.width),
                             static_cast<int>(r * room.height)});
        }
    }
    TextStyle style;
    FitBold(fonts, boxes, kCaptionLargest, style);
    if (style.points < kCaptionMinimum) {
        const auto points = [&](const FitBox& b) {
            return FitPoints(fonts, style.face, b.text, b.maxWidth, b.maxHeight, kCaptionLargest);
        };
        const auto tightest =
            std::min_element(boxes.begin(), boxes.end(), [&](const FitBox& a, const FitBox& b) {
                return points(a) < points(b);
            });
        throw std::runtime_error("caption does not fit its button: " + std::string(tightest->text));
    }
    return style;
}

void DrawRoundButton(Canvas& canvas, FontBook& fonts, const RoundButton& button,
                     const TextStyle& caption, Light light) {
    const float cx = button.rect.Cx();
    const float cy = button.rect.Cy();
    const auto [room, r, face] = RadiiOf(button.rect);
    const ButtonColors c = ColorsFor(light);
    if (light == Light::Lit) {
        canvas.Glow(cx, cy, room, kYellow, 0.8f);
    } else {
        DrawDisc(canvas, cx, cy + 1.5f, r, Solid(kBlack), 0.5f, 2.0f);
    }
    DrawDisc(canvas, cx, cy, r, VerticalGradient(cy - r, c.ringTop, cy + r, c.ringBottom));
    DrawDisc(canvas, cx, cy, face,
             RadialGradient(cx, cy - face * 0.45f, face * 1.5f, c.faceInner, c.faceOuter));
    if (light != Light::Used) {
        canvas.FillShape(Around(cx, cy, face),
                         Box(cx - face * 0.62f, cy - face * 0.88f, cx + face * 0.62f,
                             cy - face * 0.3f, face * 0.3f),
                         Solid(kWhite), light == Light::Lit ? 0.35f : 0.14f, 3);
    }
    DrawEmblem(canvas, fonts, button.emblem, caption, cx, cy, face, c.ink);
    if (light == Light::Used) {
        DrawUsedMark(canvas, cx, cy, face);
    }
}

void DrawRoundButtons(Canvas& canvas, FontBook& fonts, std::span<const RoundButton> buttons,
                      Light light) {
    const TextStyle caption = ScreenCaption(fonts, buttons);
    for (const RoundButton& button : buttons) {
        DrawRoundButton(canvas, fonts, button, caption, light);
    }
}

void DrawCornerBalls(Canvas& canvas, const CornerRects& rects, Light light) {
    static constexpr Color kBase[] = {Hex(0x1FA640), Hex(0xE8A814), Hex(0xD8261E)};
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const Rect rect = rects[i];
        const float cx = rect.Cx();
        const float cy = rect.Cy();
        const float room = static_cast<float>(std::min(rect.w, rect.h)) / 2;
        const float r = room - 1.5f;
        const bool lit = light == Light::Lit;
        if (lit) {
            canvas.Glow(cx, cy, room, kWhite, 0.5f);
        }
        DrawDisc(canvas, cx, cy, r, Solid(lit ? kYellow : Hex(0x101030)));
        DrawDisc(canvas, cx, cy, r - 1,
                 lit ? RadialGradient(cx - r * 0.3f, cy - r * 0.4f, r * 1.6f,
                                      Mix(kBase[i], kWhite, 0.75f), Mix(kBase[i], kWhite, 0.1f))
                     : RadialGradient(cx - r * 0.3f, cy - r * 0.4f, r * 1.6f,
                                      Mix(kBase[i], kWhite, 0.45f), Mix(kBase[i], kBlack, 0.45f)));
        const float s = r * 0.45f;
        const Rect bounds = Around(cx, cy, r);
        const Paint mark = Solid(kWhite);
        if (i == 0) {
            canvas.FillShape(bounds, Segment(cx - s, cy + s * 0.3f, cx + s, cy + s * 0.3f, 0.9f),
                             mark);
        } else if (i == 1) {
            canvas.FillShape(bounds,
                             Outline(Box(cx - s, cy - s * 0.8f, cx + s, cy + s * 0.8f, 0.5f), 0.6f),
                             mark);
        } else {
            canvas.FillShape(bounds, Segment(cx - s, cy - s, cx + s, cy + s, 0.8f), mark);
            canvas.FillShape(bounds, Segment(cx + s, cy - s, cx - s, cy + s, 0.8f), mark);
        }
    }
}

} // namespace picturegen
