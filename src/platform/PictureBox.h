// A picture that holds child controls in its own pixel coordinates.
#pragma once

#include "platform/Control.h"

#include <cstdint>

namespace ui {

class PictureBox : public Control, public Container {
  public:
    using Control::Control;
    const ui::Picture& Picture() const { return picture_; }
    void Picture(const ui::Picture& p);
    std::uint32_t BackColor() const { return backColor_; }
    void BackColor(std::uint32_t c);
    Form& OwnerForm() override { return Control::OwnerForm(); }
    void Origin(float& x, float& y) const override { OriginInForm(x, y); }
    void PixelOrigin(int& x, int& y) const override;
    bool ChildrenShown() const override { return Shown(); }
    void Draw(SDL_Surface* target, int x, int y) const override;

  private:
    ui::Picture picture_;
    std::uint32_t backColor_ = 0;
};

} // namespace ui
