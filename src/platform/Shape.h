// A filled rectangle with a border.
#pragma once

#include "platform/Control.h"

#include <cstdint>

namespace ui {

class Shape : public Control {
  public:
    using Control::Control;
    void FillColor(std::uint32_t c);
    std::uint32_t FillColor() const { return fillColor_; }
    void BorderColor(std::uint32_t c);
    void Draw(SDL_Surface* target, int x, int y) const override;

  private:
    std::uint32_t fillColor_ = 0;
    std::uint32_t borderColor_ = 0;
};

} // namespace ui
