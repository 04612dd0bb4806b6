#include "Canvas.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace picturegen {

Color Mix(Color a, Color b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rect Intersect(Rect a, Rect b) {
    const int x0 = std::max(a.x, b.x);
    const int y0 = std::max(a.y, b.y);
    const int x1 = std::min(a.Right(), b.Right());
    const int y1 = std::min(a.Bottom(), b.Bottom());
    return {x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0)};
}

Rect Around(float cx, float cy, float r) {
    const int x0 = static_cast<int>(std::floor(cx - r)) - 2;
    const int y0 = static_cast<int>(std::floor(cy - r)) - 2;
    const int size = static_cast<int>(std::ceil(2 * r)) + 5;
    return {x0, y0, size, size};
}

Rect Inset(Rect r, int d) {
    return {r.x + d, r.y + d, r.w - 2 * d, r.h - 2 * d};
}

Paint Solid(Color c) {
    return [c](float, float) { return c; };
}

Paint VerticalGradient(float y0, Color top, float y1, Color bottom) {
    return [=](float, float y) {
        return Mix(top, bottom, std::clamp((y - y0) / (y1 - y0), 0.f, 1.f));
    };
}

Paint RadialGradient(float cx, float cy, float radius, Color inner, Color outer) {
    return [=](float x, float y) {
        return Mix(inner, outer, std::clamp(std::hypot(x - cx, y - cy) / radius, 0.f, 1.f));
    };
}

Sdf Circle(float cx, float cy, float r) {
    return [=](float x, float y) { return std::hypot(x - cx, y - cy) - r; };
}

Sdf Box(float x0, float y0, float x1, float y1, float radius) {
    const float cx = (x0 + x1) / 2;
    const float cy = (y0 + y1) / 2;
    const float hx = (x1 - x0) / 2 - radius;
    const float hy = (y1 - y0) / 2 - radius;
    return [=](float x, float y) {
        const float qx = std::abs(x - cx) - hx;
        const float qy = std::abs(y - cy) - hy;
        return std::hypot(std::max(qx, 0.f), std::max(qy, 0.f)) + std::min(std::max(qx, qy), 0.f) -
               radius;
    };
}

Sdf Segment(float x0, float y0, float x1, float y1, float halfWidth) {
    return [=](float x, float y) {
        const float dx = x1 - x0;
        const float dy = y1 - y0;
        const float t = std::clamp(((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy), 0.f, 1.f);
        return std::hypot(x - x0 - dx * t, y - y0 - dy * t) - halfWidth;
    };
}

Sdf Polygon(std::vector<std::pair<float, float>> points) {
    return [p = std::move(points)](float x, float y) {
        float best = 1e9f;
        bool inside = false;
        for (std::size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
            const auto [xi, yi] = p[i];
            const auto [xj, yj] = p[j];
            const float ex = xj - xi;
            const float ey = yj - yi;
            const float t =
                std::clamp(((x - xi) * ex + (y - yi) * ey) / (ex * ex + ey * ey), 0.f, 1.f);
            best = std::min(best, std::hypot(x - xi - ex * t, y - yi - ey * t));
            if ((yi > y) != (yj > y) && x < xi + (y - yi) * ex / ey) {
                inside = !inside;
            }
        }
        return inside ? -best : best;
    };
}

Sdf Outline(Sdf shape, float halfWidth) {
    return [s = std::move(shape), halfWidth](float x, float y) {
        return std::abs(s(x, y)) - halfWidth;
    };
}

Sdf Union(Sdf a, Sdf b) {
    return [a = std::move(a), b = std::move(b)](float x, float y) {
        return std::min(a(x, y), b(x, y));
    };
}

Canvas::Canvas(Rect view) : view_(view), pixels_(static_cast<std::size_t>(view.w * view.h)) {}

Color& Canvas::Pixel(int x, int y) {
    return pixels_[static_cast<std::size_t>((y - view_.y) * view_.w + (x - view_.x))];
}

Color Canvas::At(int x, int y) const {
    return pixels_[static_cast<std::size_t>((y - view_.y) * view_.w + (x - view_.x))];
}

void Canvas::Blend(int x, int y, Color c, float alpha) {
    Color& p = Pixel(x, y);
    p = Mix(p, c, alpha);
}

void Canvas::Fill(const Paint& paint) {
    for (int y = view_.y; y < view_.Bottom(); ++y) {
        for (int x = view_.x; x < view_.Right(); ++x) {
            Pixel(x, y) = paint(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f);
        }
    }
}

void Canvas::FillShape(Rect bounds, const Sdf& shape, const Paint& paint, float alpha,
                       float softness) {
    const Rect area = Intersect(bounds, view_);
    for (int y = area.y; y < area.Bottom(); ++y) {
        for (int x = area.x; x < area.Right(); ++x) {
            const float px = static_cast<float>(x) + 0.5f;
            const float py = static_cast<float>(y) + 0.5f;
            const float coverage = std::clamp(0.5f - shape(px, py) / softness, 0.f, 1.f);
            if (coverage > 0) {
                Blend(x, y, paint(px, py), coverage * alpha);
            }
        }
    }
}

void Canvas::Glow(float cx, float cy, float radius, Color color, float strength) {
    const Rect bounds{
        static_cast<int>(std::floor(cx - radius)), static_cast<int>(std::floor(cy - radius)),
        static_cast<int>(std::ceil(2 * radius)) + 2, static_cast<int>(std::ceil(2 * radius)) + 2};
    const Rect area = Intersect(bounds, view_);
    for (int y = area.y; y < area.Bottom(); ++y) {
        for (int x = area.x; x < area.Right(); ++x) {
            const float d =
                std::hypot(static_cast<float>(x) + 0.5f - cx, static_cast<float>(y) + 0.5f - cy);
            if (d < radius) {
                const float k = strength * (1 - d / radius) * (1 - d / radius);
                Color& p = Pixel(x, y);
                p = {std::min(1.f, p.r + color.r * k), std::min(1.f, p.g + color.g * k),
                     std::min(1.f, p.b + color.b * k)};
            }
        }
    }
}

void Canvas::Stamp(int x, int y, int w, int h, const std::vector<std::uint8_t>& coverage,
                   const Paint& paint, float alpha) {
    const Rect area = Intersect({x, y, w, h}, view_);
    for (int py = area.y; py < area.Bottom(); ++py) {
        for (int px = area.x; px < area.Right(); ++px) {
            const std::uint8_t c = coverage[static_cast<std::size_t>((py - y) * w + (px - x))];
            if (c != 0) {
                Blend(px, py, paint(static_cast<float>(px) + 0.5f, static_cast<float>(py) + 0.5f),
                      alpha * static_cast<float>(c) / 255.0f);
            }
        }
    }
}

SurfacePtr Canvas::ToSurface() const {
    // A surface without alpha, so that the BMP writer stores 24 bits per pixel.
    SurfacePtr surface(
        SDL_CreateRGBSurfaceWithFormat(0, view_.w, view_.h, 32, SDL_PIXELFORMAT_RGB888));
    if (!surface) {
        throw std::runtime_error(SDL_GetError());
    }
    const auto channel = [](float v) {
        return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.f, 1.f) * 255.0f));
    };
    for (int y = 0; y < view_.h; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(surface->pixels) +
                                                     y * surface->pitch);
        for (int x = 0; x < view_.w; ++x) {
            const Color c = pixels_[static_cast<std::size_t>(y * view_.w + x)];
            row[x] = (channel(c.r) << 16) | (channel(c.g) << 8) | channel(c.b);
        }
    }
    return surface;
}

Canvas Render(Rect view, const std::function<void(Canvas&)>& draw) {
    Canvas canvas(view);
    draw(canvas);
    return canvas;
}

} // namespace picturegen
