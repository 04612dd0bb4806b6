// A push button with a caption.
#pragma once

#include "platform/Control.h"

#include <string>

namespace ui {

class CommandButton : public Control {
  public:
    using Control::Control;
    const std::string& Caption() const { return caption_; }
    void Caption(const std::string& c);
    void Draw(SDL_Surface* target, int x, int y) const override;

  private:
    std::string caption_;
};

} // namespace ui
