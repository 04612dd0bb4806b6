#include "platform/CommandButton.h"

#include "platform/Colour.h"
#include "platform/Drawing.h"
#include "platform/Text.h"

namespace ui {

void CommandButton::Caption(const std::string& c) {
    if (c == caption_) {
        return;
    }
    caption_ = c;
    Changed();
}

void CommandButton::Draw(SDL_Surface* target, int x, int y) const {
    const int w = static_cast<int>(Width());
    const int h = static_cast<int>(Height());
    FillRect(target, x, y, w, h, RGB(64, 64, 64));
    FillRect(target, x + 1, y + 1, w - 2, h - 2, RGB(192, 192, 192));
    const Font font{8.25f, false};
    const int lh = LineHeight(font);
    DrawLines(target, {caption_}, font, 0, vbCenter, x, y + (h - lh) / 2, w, lh);
}

} // namespace ui
