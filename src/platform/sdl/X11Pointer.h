// The pointer's place in the window and on the screen as the X server has it now. Kept apart
// because the X headers define macros that clash with ordinary names.
#pragma once

#include <SDL.h>

namespace ui {

// Leaves x and y as they are and returns false when the window is not on X11 or the query
// fails; otherwise also gives the pointer's place on the screen.
bool QueryPointer(SDL_Window* window, int& x, int& y, int& screenX, int& screenY);

} // namespace ui
