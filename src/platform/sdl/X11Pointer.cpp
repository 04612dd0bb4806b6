#include "platform/sdl/X11Pointer.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>

namespace ui {

bool QueryPointer(SDL_Window* window, int& x, int& y, int& screenX, int& screenY) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (window == nullptr || !SDL_GetWindowWMInfo(window, &info) ||
        info.subsystem != SDL_SYSWM_X11) {
        return false;
    }
    Window root = 0;
    Window child = 0;
    int winX = 0;
    int winY = 0;
    unsigned int mask = 0;
    if (!XQueryPointer(info.info.x11.display, info.info.x11.window, &root, &child, &screenX,
                       &screenY, &winX, &winY, &mask)) {
        return false;
    }
    x = winX;
    y = winY;
    return true;
}

} // namespace ui
