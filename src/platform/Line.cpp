#include "platform/Line.h"

#include "platform/Colour.h"
#include "platform/Drawing.h"

#include <SDL.h>
#include <algorithm>
#include <cmath>

namespace ui {

void Line::Ends(float x1, float y1, float x2, float y2) {
    if (x1 == x1_ && y1 == y1_ && x2 == x2_ && y2 == y2_) {
        return;
    }
    Reshape([&] {
        x1_ = x1;
        y1_ = y1;
        x2_ = x2;
        y2_ = y2;
    });
}

void Line::BorderColor(std::uint32_t c) {
    if (c == colour_) {
        return;
    }
    colour_ = c;
    Changed();
}

ScreenArea Line::Area() const {
    const int left = Px(std::min(x1_, x2_));
    const int top = Px(std::min(y1_, y2_));
    return {left, top, Px(std::max(x1_, x2_)) - left + 1, Px(std::max(y1_, y2_)) - top + 1};
}

// Lines are drawn relative to the container, whatever the control's own position.
void Line::Draw(SDL_Surface* target, int x, int y) const {
    const int ox = x - Px(Left());
    const int oy = y - Px(Top());
    const int steps =
        std::max(1, static_cast<int>(std::max(std::fabs(x2_ - x1_), std::fabs(y2_ - y1_))));
    const Uint32 c = MapColour(target, colour_);
    for (int i = 0; i <= steps; ++i) {
        const float t = static_cast<float>(i) / static_cast<float>(steps);
        SDL_Rect dot{ox + Px(x1_ + (x2_ - x1_) * t), oy + Px(y1_ + (y2_ - y1_) * t), 1, 1};
        SDL_FillRect(target, &dot, c);
    }
}

} // namespace ui
