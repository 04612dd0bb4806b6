// The real window system: one borderless SDL window that shows the topmost form.
#pragma once

#include "platform/Backend.h"

#include <SDL.h>

#include <map>
#include <memory>

namespace ui {

class SdlBackend : public Backend {
  public:
    SdlBackend();
    ~SdlBackend() override;

    std::uint32_t Ticks() override { return SDL_GetTicks(); }
    bool PollEvent(InputEvent& event) override;
    void WaitEvent(std::uint32_t timeoutMs) override;
    void Wake() override;
    void Present(Form* top) override;
    int ShowMessage(const std::string& text, int style, const std::string& title) override;
    void SetPointer(int code, const Picture* icon, int hotX, int hotY) override;
    int ScreenWidthPx() override;
    int ScreenHeightPx() override;
    std::vector<ScreenArea> Displays() override;

  private:
    struct WindowDeleter {
        void operator()(SDL_Window* w) const { SDL_DestroyWindow(w); }
    };
    struct CursorDeleter {
        void operator()(SDL_Cursor* c) const { SDL_FreeCursor(c); }
    };
    using CursorPtr = std::unique_ptr<SDL_Cursor, CursorDeleter>;

    SDL_Window* EnsureWindow(const Form* top);
    int RunMessage(const std::string& text, int style, const std::string& title);
    void ApplyGeometry(const Form& top);
    bool Translate(const SDL_Event& e, InputEvent& out);
    void PointerInWindow(int eventX, int eventY, InputEvent& out) const;
    SDL_Cursor* SystemCursor(int code);

    std::unique_ptr<SDL_Window, WindowDeleter> window_;
    Uint32 wakeEvent_ = 0;
    int shownState_ = -1;
    int shownX_ = -100000, shownY_ = -100000, shownW_ = 0, shownH_ = 0;
    int stateBeforeMinimise_ = 0;
    const void* shownIcon_ = nullptr;
    std::map<int, CursorPtr> cursors_;
    CursorPtr customCursor_;
    const void* customCursorSource_ = nullptr;
    bool pendingKeyPress_ = false;
    InputEvent keyPress_;
};

} // namespace ui
