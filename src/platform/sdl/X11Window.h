// The game's window as the X server sees it. A desktop tool can destroy the window from outside;
// the program then ends as for a desktop close, and the errors that its later calls on the
// gone window raise must not end it instead. Kept apart because the X headers define macros
// that clash with ordinary names.
#pragma once

#include <SDL.h>

namespace ui {

// Xlib's own error handler ends the process. Installed before the video system starts, this
// one is also the handler that SDL passes errors on to and puts back when it shuts down, when
// the connections are closed and the errors still on their way arrive.
void InstallX11ErrorHandler();
// Starts watching `window`; does nothing when it is not on X11.
void WatchX11Window(SDL_Window* window);
// True once the watched window is gone: announced destroyed, or named by an error.
bool X11WindowGone();
// Whether a window manager runs on the window's display; true when that cannot be told.
bool X11WindowManagerRuns(SDL_Window* window);
} // namespace ui
