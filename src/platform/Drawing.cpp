#include "platform/Drawing.h"

#include "platform/Colour.h"
#include "platform/Picture.h"

#include <algorithm>
#include <cmath>

namespace ui {

int Px(float v) {
    return static_cast<int>(std::floor(v));
}

void FillRect(SDL_Surface* target, int x, int y, int w, int h, std::uint32_t colour) {
    SDL_Rect r{x, y, w, h};
    SDL_FillRect(target, &r, MapColour(target, colour));
}

void BlitPicture(SDL_Surface* target, const Picture& p, int x, int y, int w, int h) {
    if (!p) {
        return;
    }
    SDL_Rect src{0, 0, std::min(w, p.Width()), std::min(h, p.Height())};
    SDL_Rect dst{x, y, src.w, src.h};
    SDL_BlitSurface(p.Surface(), &src, target, &dst);
}

} // namespace ui
