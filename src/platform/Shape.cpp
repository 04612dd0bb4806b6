#include "platform/Shape.h"

#include "platform/Drawing.h"

namespace ui {

void Shape::FillColor(std::uint32_t c) {
    if (c == fillColor_) {
        return;
    }
    fillColor_ = c;
    Changed();
}

void Shape::BorderColor(std::uint32_t c) {
    if (c == borderColor_) {
        return;
    }
    borderColor_ = c;
    Changed();
}

void Shape::Draw(SDL_Surface* target, int x, int y) const {
    const int w = static_cast<int>(Width());
    const int h = static_cast<int>(Height());
    FillRect(target, x, y, w, h, borderColor_);
    if (w > 2 && h > 2) {
        FillRect(target, x + 1, y + 1, w - 2, h - 2, fillColor_);
    }
}

} // namespace ui
