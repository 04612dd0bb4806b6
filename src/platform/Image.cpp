#include "platform/Image.h"

#include "platform/Drawing.h"

namespace ui {

void Image::Picture(const ui::Picture& p) {
    if (p == picture_) {
        return;
    }
    picture_ = p;
    if (p) {
        Move(Left(), Top(), static_cast<float>(p.Width()), static_cast<float>(p.Height()));
    }
    Changed();
}

void Image::Draw(SDL_Surface* target, int x, int y) const {
    BlitPicture(target, picture_, x, y, static_cast<int>(Width()), static_cast<int>(Height()));
}

} // namespace ui
