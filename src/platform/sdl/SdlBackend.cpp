#include "platform/sdl/SdlBackend.h"
#include "platform/sdl/X11Pointer.h"
#include "platform/sdl/X11Window.h"

#include "platform/Error.h"
#include "platform/Form.h"
#include "platform/MessageDialog.h"

namespace ui {

namespace {

int ButtonBit(Uint8 sdlButton) {
    switch (sdlButton) {
    case SDL_BUTTON_LEFT:
        return 1;
    case SDL_BUTTON_RIGHT:
        return 2;
    case SDL_BUTTON_MIDDLE:
        return 4;
    default:
        return 0;
    }
}

int ButtonBits(Uint32 state) {
    return ((state & SDL_BUTTON_LMASK) ? 1 : 0) | ((state & SDL_BUTTON_RMASK) ? 2 : 0) |
           ((state & SDL_BUTTON_MMASK) ? 4 : 0);
}

int ShiftBits(Uint16 mod) {
    return ((mod & KMOD_SHIFT) ? 1 : 0) | ((mod & KMOD_CTRL) ? 2 : 0) | ((mod & KMOD_ALT) ? 4 : 0);
}

// Virtual-key codes as the screens test them.
int VirtualKey(SDL_Keycode k) {
    if (k >= SDLK_a && k <= SDLK_z) {
        return 'A' + (k - SDLK_a);
    }
    if (k >= SDLK_0 && k <= SDLK_9) {
        return k;
    }
    if (k >= SDLK_F1 && k <= SDLK_F12) {
        return 112 + (k - SDLK_F1);
    }
    switch (k) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return 13;
    case SDLK_BACKSPACE:
        return 8;
    case SDLK_TAB:
        return 9;
    case SDLK_ESCAPE:
        return 27;
    case SDLK_SPACE:
        return 32;
    case SDLK_LEFT:
        return 37;
    case SDLK_UP:
        return 38;
    case SDLK_RIGHT:
        return 39;
    case SDLK_DOWN:
        return 40;
    case SDLK_DELETE:
        return 46;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
        return 16;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
        return 17;
    default:
        return 0;
    }
}

// The character code of typed text, in the 8-bit code page the screens expect.
int CharacterCode(const char* utf8) {
    const auto* s = reinterpret_cast<const unsigned char*>(utf8);
    if (s[0] < 0x80) {
        return s[0];
    }
    if ((s[0] & 0xE0) == 0xC0 && (s[1] & 0xC0) == 0x80) {
        const int code = ((s[0] & 0x1F) << 6) | (s[1] & 0x3F);
        return code < 256 ? code : 0;
    }
    return 0;
}

// Keys that also type a control character, whose code is the key's own.
int ControlCharacter(SDL_Keycode k) {
    const int key = VirtualKey(k);
    return key == 8 || key == 9 || key == 13 || key == 27 ? key : 0;
}

// A 16x16 arrow pointing up, for the highlights.
SDL_Cursor* CreateUpArrow() {
    static const char* const art[16] = {
        "       X        ", "      X.X       ", "     X...X      ", "    X.....X     ",
        "   X.......X    ", "  X.........X   ", " XXXXX...XXXXX  ", "     X...X      ",
        "     X...X      ", "     X...X      ", "     X...X      ", "     X...X      ",
        "     X...X      ", "     X...X      ", "     XXXXX      ", "                "};
    Uint8 data[32] = {};
    Uint8 mask[32] = {};
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const int byte = y * 2 + x / 8;
            const Uint8 bit = static_cast<Uint8>(0x80 >> (x % 8));
            if (art[y][x] == 'X') {
                data[byte] |= bit;
                mask[byte] |= bit;
            } else if (art[y][x] == '.') {
                mask[byte] |= bit;
            }
        }
    }
    return SDL_CreateCursor(data, mask, 16, 16, 7, 0);
}

bool StartVideoDriver(const char* driver) {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, driver);
    return SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
}

// Only a driver that shows a window to a person will do: left to itself, SDL falls back to one
// that draws nowhere, and the program would run unseen. A busy X display can refuse a first
// connection, so it is asked again for a moment. SDL's own variable still chooses, for tests.
void StartVideo() {
    if (StartVideoDriver("x11") || StartVideoDriver("wayland")) {
        return;
    }
    constexpr Uint32 kPatienceMs = 1000;
    const Uint32 deadline = SDL_GetTicks() + kPatienceMs;
    while (!SDL_TICKS_PASSED(SDL_GetTicks(), deadline)) {
        SDL_Delay(100);
        if (StartVideoDriver("x11")) {
            return;
        }
    }
    throw RuntimeError(ERR_FILE_ACCESS, "Nenhuma tela disponível: o jogo precisa de uma sessão "
                                        "gráfica X11 ou Wayland para abrir a sua janela.");
}

} // namespace

SdlBackend::SdlBackend() {
    InstallX11ErrorHandler();
    // A bitmap stage drawn on the processor needs no OpenGL to reach the window: presenting
    // through it costs a software rasteriser's memory, threads and time on every frame.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) {
        throw RuntimeError(ERR_FILE_ACCESS, std::string("SDL indisponível: ") + SDL_GetError());
    }
    StartVideo();
    if (TTF_Init() != 0) {
        throw RuntimeError(ERR_FILE_ACCESS, std::string("Fontes indisponíveis: ") + TTF_GetError());
    }
    wakeEvent_ = SDL_RegisterEvents(1);
    SDL_StartTextInput();
}

SdlBackend::~SdlBackend() {
    customCursor_.reset();
    cursors_.clear();
    window_.reset();
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER);
}

// The window is created where the first screen wants it: a move requested right after the
// window is first mapped can be lost.
SDL_Window* SdlBackend::EnsureWindow(const Form* top) {
    if (!window_) {
        int x = SDL_WINDOWPOS_CENTERED;
        int y = SDL_WINDOWPOS_CENTERED;
        int w = 640;
        int h = 480;
        if (top != nullptr && top->WindowState() != vbMinimized) {
            x = top->Left() / TWIPS_PER_PIXEL;
            y = top->Top() / TWIPS_PER_PIXEL;
            w = top->Width() / TWIPS_PER_PIXEL;
            h = top->Height() / TWIPS_PER_PIXEL;
        }
        window_.reset(SDL_CreateWindow("Quorvane", x, y, w, h, SDL_WINDOW_BORDERLESS));
        if (!window_) {
            throw RuntimeError(ERR_FILE_ACCESS,
                               std::string("Janela indisponível: ") + SDL_GetError());
        }
        WatchX11Window(window_.get());
        SDL_GetWindowPosition(window_.get(), &shownX_, &shownY_);
        shownW_ = w;
        shownH_ = h;
        shownState_ = 0;
    }
    return window_.get();
}

int SdlBackend::ScreenWidthPx() {
    SDL_DisplayMode mode;
    return SDL_GetDesktopDisplayMode(0, &mode) == 0 ? mode.w : 640;
}

int SdlBackend::ScreenHeightPx() {
    SDL_DisplayMode mode;
    return SDL_GetDesktopDisplayMode(0, &mode) == 0 ? mode.h : 480;
}

std::vector<ScreenArea> SdlBackend::Displays() {
    std::vector<ScreenArea> displays;
    for (int i = 0; i < SDL_GetNumVideoDisplays(); ++i) {
        SDL_Rect r;
        if (SDL_GetDisplayBounds(i, &r) == 0) {
            displays.push_back({r.x, r.y, r.w, r.h});
        }
    }
    return displays.empty() ? Backend::Displays() : displays;
}

// The pointer's place now as the X server has it (SDL's own global state lags).
void SdlBackend::PlaceAtPointer(InputEvent& out) const {
    int windowX = 0;
    int windowY = 0;
    int screenX = 0;
    int screenY = 0;
    if (QueryPointer(window_.get(), windowX, windowY, screenX, screenY)) {
        PlaceMouseEvent(out, {static_cast<float>(windowX), static_cast<float>(windowY),
                              static_cast<float>(screenX), static_cast<float>(screenY)});
    }
}

// SDL drops a move that leaves the pointer at the same place in the window, as a drag step
// does once the window has followed the last one; so while the left button is held the
// pointer is asked for directly, and a place on the screen not yet reported becomes a move.
bool SdlBackend::DragStep(InputEvent& out) {
    if ((SDL_GetMouseState(nullptr, nullptr) & SDL_BUTTON_LMASK) == 0) {
        return false;
    }
    InputEvent step;
    step.kind = InputEvent::Kind::MouseMove;
    PlaceAtPointer(step);
    if (!step.onScreen || (step.screenX == reportedX_ && step.screenY == reportedY_)) {
        return false;
    }
    step.button = ButtonBits(SDL_GetMouseState(nullptr, nullptr));
    step.shift = ShiftBits(SDL_GetModState());
    out = step;
    return true;
}

bool SdlBackend::Translate(const SDL_Event& e, InputEvent& out) {
    switch (e.type) {
    case SDL_QUIT:
        out.kind = InputEvent::Kind::Quit;
        return true;
    case SDL_MOUSEMOTION:
        out.kind = InputEvent::Kind::MouseMove;
        out.x = static_cast<float>(e.motion.x);
        out.y = static_cast<float>(e.motion.y);
        PlaceAtPointer(out);
        out.button = ButtonBits(e.motion.state);
        out.shift = ShiftBits(SDL_GetModState());
        return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        out.kind =
            e.type == SDL_MOUSEBUTTONDOWN ? InputEvent::Kind::MouseDown : InputEvent::Kind::MouseUp;
        out.x = static_cast<float>(e.button.x);
        out.y = static_cast<float>(e.button.y);
        PlaceAtPointer(out);
        out.button = ButtonBit(e.button.button);
        out.shift = ShiftBits(SDL_GetModState());
        return out.button != 0;
    case SDL_KEYDOWN:
        out.kind = InputEvent::Kind::KeyDown;
        out.key = VirtualKey(e.key.keysym.sym);
        out.shift = ShiftBits(e.key.keysym.mod);
        if (ControlCharacter(e.key.keysym.sym) != 0) {
            pendingKeyPress_ = true;
            keyPress_ = InputEvent{InputEvent::Kind::KeyPress,        0, 0, 0, out.shift,
                                   ControlCharacter(e.key.keysym.sym)};
        }
        // A key without a code of its own (the keypad's '*') still names the screen its
        // character is for.
        return true;
    case SDL_TEXTINPUT:
        out.kind = InputEvent::Kind::KeyPress;
        out.key = CharacterCode(e.text.text);
        return out.key != 0;
    case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_RESTORED && shownState_ == 1) {
            out.kind = InputEvent::Kind::Restored;
            out.button = stateBeforeMinimise_;
            shownState_ = -1;
            return true;
        }
        if (e.window.event == SDL_WINDOWEVENT_EXPOSED && window_) {
            SDL_UpdateWindowSurface(window_.get());
        }
        return false;
    default:
        return false;
    }
}

bool SdlBackend::PollEvent(InputEvent& event) {
    // A window destroyed from outside ends the program as a desktop close does.
    if (X11WindowGone()) {
        event = InputEvent{InputEvent::Kind::Quit};
        return true;
    }
    if (pendingKeyPress_) {
        pendingKeyPress_ = false;
        event = keyPress_;
        return true;
    }
    if (minimiseRefused_) {
        minimiseRefused_ = false;
        event = InputEvent{InputEvent::Kind::Restored};
        event.button = stateBeforeMinimise_;
        return true;
    }
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        InputEvent translated;
        if (Translate(e, translated)) {
            event = translated;
            Reported(event);
            return true;
        }
    }
    if (DragStep(event)) {
        Reported(event);
        return true;
    }
    return false;
}

void SdlBackend::Reported(const InputEvent& event) {
    if (event.onScreen) {
        reportedX_ = event.screenX;
        reportedY_ = event.screenY;
    }
}

bool SdlBackend::QuitRequested() {
    // Pumping turns a caught signal into its quit event.
    SDL_PumpEvents();
    return X11WindowGone() || SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_QUIT, SDL_QUIT) > 0;
}

void SdlBackend::RepaintExposed() {
    SDL_PumpEvents();
    bool exposed = false;
    // Only the exposes leave the queue: the input waits for the loop.
    SDL_FilterEvents(
        [](void* seen, SDL_Event* e) {
            if (e->type != SDL_WINDOWEVENT || e->window.event != SDL_WINDOWEVENT_EXPOSED) {
                return 1;
            }
            *static_cast<bool*>(seen) = true;
            return 0;
        },
        &exposed);
    if (exposed && window_) {
        SDL_UpdateWindowSurface(window_.get());
    }
}

void SdlBackend::WaitEvent(std::uint32_t timeoutMs) {
    // A drag's steps that SDL drops wake nothing: the pointer is looked at again soon.
    if ((SDL_GetMouseState(nullptr, nullptr) & SDL_BUTTON_LMASK) != 0) {
        timeoutMs = std::min<std::uint32_t>(timeoutMs, kDragPollMs);
    }
    SDL_WaitEventTimeout(nullptr, static_cast<int>(std::min<std::uint32_t>(timeoutMs, 1u << 30)));
}

void SdlBackend::Wake() {
    SDL_Event e{};
    e.type = wakeEvent_;
    SDL_PushEvent(&e);
}

void SdlBackend::ApplyGeometry(const Form& top) {
    SDL_Window* w = window_.get();
    const int state = top.WindowState();
    if (state == vbMinimized) {
        if (shownState_ != vbMinimized) {
            stateBeforeMinimise_ = shownState_ < 0 ? vbNormal : shownState_;
            // Without a window manager nothing minimises the window: it is refused, and the
            // screen goes back to the state it shows.
            if (!X11WindowManagerRuns(w)) {
                minimiseRefused_ = true;
                return;
            }
            SDL_MinimizeWindow(w);
            shownState_ = vbMinimized;
        }
        return;
    }
    if (shownState_ == vbMinimized || shownState_ < 0) {
        SDL_RestoreWindow(w);
    }
    // A maximised screen is a borderless window over the whole screen: the layout has already
    // given the form the screen's size, and this works with or without a window manager.
    const int x = top.Left() / TWIPS_PER_PIXEL;
    const int y = top.Top() / TWIPS_PER_PIXEL;
    const int width = top.Width() / TWIPS_PER_PIXEL;
    const int height = top.Height() / TWIPS_PER_PIXEL;
    if (width != shownW_ || height != shownH_) {
        SDL_SetWindowSize(w, width, height);
        shownW_ = width;
        shownH_ = height;
    }
    if (x != shownX_ || y != shownY_) {
        SDL_SetWindowPosition(w, x, y);
        shownX_ = x;
        shownY_ = y;
    }
    shownState_ = state;
}

void SdlBackend::Present(Form* top, const MessageDialog* box, int pressed, const Damage& damage) {
    if (top == nullptr && !window_) {
        return;
    }
    SDL_Window* w = EnsureWindow(top);
    // A message box shows over a minimised screen: the window stays restored while it is open.
    const bool boxOverMinimised =
        box != nullptr && top != nullptr && top->WindowState() == vbMinimized;
    if (top != nullptr && !boxOverMinimised) {
        ApplyGeometry(*top);
        SDL_SetWindowTitle(w, top->Caption().empty() ? "Quorvane" : top->Caption().c_str());
        if (top->Icon() && top->Icon().Surface() != shownIcon_) {
            SDL_SetWindowIcon(w, top->Icon().Surface());
            shownIcon_ = top->Icon().Surface();
        }
        if (shownState_ == vbMinimized) {
            return;
        }
    }
    SDL_Surface* surface = SDL_GetWindowSurface(w);
    if (surface == nullptr) {
        return;
    }
    const bool fresh = surface != drawnSurface_ || surface->w != drawnW_ || surface->h != drawnH_;
    drawnSurface_ = surface;
    drawnW_ = surface->w;
    drawnH_ = surface->h;
    if (damage.whole || fresh) {
        Paint(surface, top, box, pressed);
        SDL_UpdateWindowSurface(w);
        return;
    }
    const SDL_Rect bounds{0, 0, surface->w, surface->h};
    std::vector<SDL_Rect> rects;
    for (const ScreenArea& a : damage.areas) {
        const SDL_Rect area{a.x, a.y, a.w, a.h};
        SDL_Rect r;
        if (SDL_IntersectRect(&area, &bounds, &r)) {
            SDL_SetClipRect(surface, &r);
            Paint(surface, top, box, pressed);
            rects.push_back(r);
        }
    }
    SDL_SetClipRect(surface, nullptr);
    if (!rects.empty()) {
        SDL_UpdateWindowSurfaceRects(w, rects.data(), static_cast<int>(rects.size()));
    }
}

// Draws within the surface's clip rectangle.
void SdlBackend::Paint(SDL_Surface* surface, Form* top, const MessageDialog* box,
                       int pressed) const {
    if (top != nullptr) {
        top->Paint(surface);
    } else {
        SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
    }
    if (box != nullptr) {
        box->Draw(surface, pressed);
    }
}

void SdlBackend::OpenMessage(const std::string&, int, const std::string&, int& clientW,
                             int& clientH) {
    SDL_Window* w = EnsureWindow(nullptr);
    if (shownState_ == vbMinimized) {
        SDL_RestoreWindow(w);
        shownState_ = -1;
    }
    SDL_ShowWindow(w);
    SDL_RaiseWindow(w);
    if (const SDL_Surface* surface = SDL_GetWindowSurface(w)) {
        clientW = surface->w;
        clientH = surface->h;
    }
}

void SdlBackend::CloseMessage() {
    pendingKeyPress_ = false;
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_KEYDOWN, SDL_TEXTINPUT);
}

SDL_Cursor* SdlBackend::SystemCursor(int code) {
    auto& slot = cursors_[code];
    if (!slot) {
        switch (code) {
        case vbHourglass:
            slot.reset(SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_WAIT));
            break;
        case vbUpArrow:
            slot.reset(CreateUpArrow());
            break;
        default:
            slot.reset(SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW));
            break;
        }
    }
    return slot.get();
}

void SdlBackend::SetPointer(int code, const Picture* icon, int hotX, int hotY) {
    if (code == vbCustom && icon != nullptr && *icon) {
        if (customCursorSource_ != icon->Surface()) {
            customCursor_.reset(SDL_CreateColorCursor(icon->Surface(), hotX, hotY));
            customCursorSource_ = icon->Surface();
        }
        if (customCursor_) {
            SDL_SetCursor(customCursor_.get());
            return;
        }
    }
    SDL_SetCursor(SystemCursor(code));
}

} // namespace ui
