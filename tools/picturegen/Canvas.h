// Software drawing: a float RGB canvas covering one window of the picture being drawn, with
// anti-aliased shapes given as signed distance functions.
#pragma once

#include "platform/SdlHandles.h"

#include <SDL.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace picturegen {

struct Color {
    float r = 0;
    float g = 0;
    float b = 0;
};

constexpr Color Hex(std::uint32_t rgb) {
    return {static_cast<float>((rgb >> 16) & 0xFF) / 255.0f,
            static_cast<float>((rgb >> 8) & 0xFF) / 255.0f,
            static_cast<float>(rgb & 0xFF) / 255.0f};
}

Color Mix(Color a, Color b, float t);

struct Rect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;

    int Right() const { return x + w; }
    int Bottom() const { return y + h; }
    float Cx() const { return static_cast<float>(x) + static_cast<float>(w) / 2.0f; }
    float Cy() const { return static_cast<float>(y) + static_cast<float>(h) / 2.0f; }
    bool Empty() const { return w <= 0 || h <= 0; }
};

Rect Intersect(Rect a, Rect b);
// Room for a round shape of radius r centred on (cx, cy), with a margin for its soft edge.
Rect Around(float cx, float cy, float r);
Rect Inset(Rect r, int d);

// Colour at a point of the drawing.
using Paint = std::function<Color(float x, float y)>;
Paint Solid(Color c);
Paint VerticalGradient(float y0, Color top, float y1, Color bottom);
Paint RadialGradient(float cx, float cy, float radius, Color inner, Color outer);

// Signed distance to a shape's edge, negative inside.
using Sdf = std::function<float(float x, float y)>;
Sdf Circle(float cx, float cy, float r);
Sdf Box(float x0, float y0, float x1, float y1, float radius);
Sdf Segment(float x0, float y0, float x1, float y1, float halfWidth);
Sdf Polygon(std::vector<std::pair<float, float>> points);
Sdf Outline(Sdf shape, float halfWidth);
Sdf Union(Sdf a, Sdf b);

using ui::SurfacePtr;

class Canvas {
  public:
    // `view` is the part of the drawing this canvas holds, in drawing coordinates; every
    // operation takes drawing coordinates and touches only what lies inside the view.
    explicit Canvas(Rect view);

    Rect View() const { return view_; }
    Color At(int x, int y) const;

    void Fill(const Paint& paint);
    // `softness` widens the anti-aliased edge into a feather of that many pixels.
    void FillShape(Rect bounds, const Sdf& shape, const Paint& paint, float alpha = 1.0f,
                   float softness = 1.0f);
    // Additive light that fades out quadratically to `radius`.
    void Glow(float cx, float cy, float radius, Color color, float strength);
    // Paints through an 8-bit coverage map whose top-left corner lies at (x, y).
    void Stamp(int x, int y, int w, int h, const std::vector<std::uint8_t>& coverage,
               const Paint& paint, float alpha = 1.0f);

    SurfacePtr ToSurface() const;

  private:
    Color& Pixel(int x, int y);
    void Blend(int x, int y, Color c, float alpha);

    Rect view_;
    std::vector<Color> pixels_;
};

// Renders a drawing function into a canvas covering `view`.
Canvas Render(Rect view, const std::function<void(Canvas&)>& draw);

} // namespace picturegen
