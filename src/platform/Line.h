// A line between two points of its container.
#pragma once

#include "platform/Control.h"

#include <cstdint>

namespace ui {

class Line : public Control {
  public:
    using Control::Control;
    float X1() const { return x1_; }
    float Y1() const { return y1_; }
    float X2() const { return x2_; }
    float Y2() const { return y2_; }
    void Ends(float x1, float y1, float x2, float y2);
    void BorderColor(std::uint32_t c);
    std::uint32_t BorderColor() const { return colour_; }
    bool Hittable() const override { return false; }
    ScreenArea Area() const override;
    void Draw(SDL_Surface* target, int x, int y) const override;

  private:
    float x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    std::uint32_t colour_ = 0;
};

} // namespace ui
