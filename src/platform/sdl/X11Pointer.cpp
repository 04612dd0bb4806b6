#include "platform/sdl/X11Pointer.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>

namespace ui {

void QueryPointerInWindow(SDL_Window* window, int& x, int& y) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (window == nullptr || !SDL_GetWindowWMInfo(window, &info) ||
        info.subsystem != SDL_SYSWM_X11) {
        return;
    }
    Window root = 0;
    Window child = 0;
    int rootX = 0;
    int rootY = 0;
    int winX = 0;
    int winY = 0;
    unsigned int mask = 0;
    if (XQueryPointer(info.info.x11.display, info.info.x11.window, &root, &child, &rootX, &rootY,
                      &winX, &winY, &mask)) {
        x = winX;
        y = winY;
    }
}

} // namespace ui
