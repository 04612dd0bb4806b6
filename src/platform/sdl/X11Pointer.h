// The pointer's place in the window as the X server has it now. Kept apart because the X
// headers define macros that clash with ordinary names.
#pragma once

#include <SDL.h>

namespace ui {

// Leaves x and y as they are when the window is not on X11 or the query fails.
void QueryPointerInWindow(SDL_Window* window, int& x, int& y);

} // namespace ui
