// Drawing steps the controls share.
#pragma once

#include <cstdint>

struct SDL_Surface;

namespace ui {

class Picture;

// The whole pixel a position falls in.
int Px(float v);
void FillRect(SDL_Surface* target, int x, int y, int w, int h, std::uint32_t colour);
// Draws the picture's top-left part that fits the box.
void BlitPicture(SDL_Surface* target, const Picture& p, int x, int y, int w, int h);

} // namespace ui
