#include "platform/PictureBox.h"

#include "platform/Drawing.h"

#include <SDL.h>

namespace ui {

void PictureBox::Picture(const ui::Picture& p) {
    if (p == picture_) {
        return;
    }
    picture_ = p;
    Changed();
}

void PictureBox::BackColor(std::uint32_t c) {
    if (c == backColor_) {
        return;
    }
    backColor_ = c;
    Changed();
}

// As the drawing places it: every container's position is cut to whole pixels on its own.
void PictureBox::PixelOrigin(int& x, int& y) const {
    Parent().PixelOrigin(x, y);
    x += Px(Left());
    y += Px(Top());
}

void PictureBox::Draw(SDL_Surface* target, int x, int y) const {
    const int w = static_cast<int>(Width());
    const int h = static_cast<int>(Height());
    SDL_Rect clip{x, y, w, h};
    SDL_Rect saved;
    SDL_GetClipRect(target, &saved);
    SDL_IntersectRect(&clip, &saved, &clip);
    SDL_SetClipRect(target, &clip);
    FillRect(target, x, y, w, h, backColor_);
    BlitPicture(target, picture_, x, y, w, h);
    DrawChildren(target, x, y);
    SDL_SetClipRect(target, &saved);
}

} // namespace ui
