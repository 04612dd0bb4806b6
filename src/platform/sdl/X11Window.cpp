#include "platform/sdl/X11Window.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>

namespace ui {

namespace {

// Xlib calls an error handler without any context; the program has one window.
SDL_Window* watched = nullptr;
bool gone = false;

// SDL may replace the X window behind its window; only the one in use counts.
::Window Current() {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    return watched != nullptr && SDL_GetWindowWMInfo(watched, &info) &&
                   info.subsystem == SDL_SYSWM_X11
               ? info.info.x11.window
               : 0;
}

int OnXError(Display*, XErrorEvent* error) {
    if ((error->error_code == BadWindow || error->error_code == BadDrawable) &&
        error->resourceid == Current()) {
        gone = true;
    }
    return 0;
}

// Sees every event as it is queued, whoever reads the queue.
int NoteDestroy(void*, SDL_Event* event) {
    if (event->type == SDL_SYSWMEVENT && event->syswm.msg != nullptr &&
        event->syswm.msg->subsystem == SDL_SYSWM_X11) {
        const XEvent& x = event->syswm.msg->msg.x11.event;
        if (x.type == DestroyNotify)
            if (x.type == DestroyNotify && x.xdestroywindow.window == Current()) {
                gone = true;
            }
    }
    return 1;
}

} // namespace

void InstallX11ErrorHandler() {
    XSetErrorHandler(OnXError);
}

void WatchX11Window(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (window == nullptr || !SDL_GetWindowWMInfo(window, &info) ||
        info.subsystem != SDL_SYSWM_X11) {
        return;
    }
    watched = window;
    gone = false;
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
    SDL_DelEventWatch(NoteDestroy, nullptr);
    SDL_AddEventWatch(NoteDestroy, nullptr);
}

bool X11WindowGone() {
    return gone;
}

bool X11WindowManagerRuns(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (window == nullptr || !SDL_GetWindowWMInfo(window, &info) ||
        info.subsystem != SDL_SYSWM_X11) {
        return true;
    }
    // A window manager redirects the root window's substructure; only one client can.
    Display* display = info.info.x11.display;
    XWindowAttributes root{};
    return XGetWindowAttributes(display, DefaultRootWindow(display), &root) == 0 ||
           (root.all_event_masks & SubstructureRedirectMask) != 0;
}

} // namespace ui
