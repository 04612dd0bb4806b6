// A picture whose size follows the picture.
#pragma once

#include "platform/Control.h"

namespace ui {

class Image : public Control {
  public:
    using Control::Control;
    const ui::Picture& Picture() const { return picture_; }
    // The image takes the picture's size.
    void Picture(const ui::Picture& p);
    void Draw(SDL_Surface* target, int x, int y) const override;

  private:
    ui::Picture picture_;
};

} // namespace ui
