// The real window system: one borderless SDL window that shows the topmost form.
#pragma once

#include "platform/Backend.h"
#include "platform/SdlHandles.h"

#include <map>

namespace ui {

class SdlBackend : public Backend {
  public:
    SdlBackend();
    ~SdlBackend() override;

    std::uint32_t Ticks() override { return SDL_GetTicks(); }
    bool PollEvent(InputEvent& event) override;
    void WaitEvent(std::uint32_t timeoutMs) override;
    void Wake() override;
    bool QuitRequested() override;
    void RepaintExposed() override;
    void Present(Form* top, const MessageDialog* box, int pressed, const Damage& damage) override;
    void OpenMessage(const std::string& text, int style, const std::string& title, int& clientW,
                     int& clientH) override;
    void CloseMessage() override;
    void SetPointer(int code, const Picture* icon, int hotX, int hotY) override;
    int ScreenWidthPx() override;
    int ScreenHeightPx() override;
    std::vector<ScreenArea> Displays() override;

  private:
    SDL_Window* EnsureWindow(const Form* top);
    void ApplyGeometry(const Form& top);
    bool Translate(const SDL_Event& e, InputEvent& out);
    void PlaceAtPointer(InputEvent& out) const;
    bool DragStep(InputEvent& out);
    void Reported(const InputEvent& event);
    SDL_Cursor* SystemCursor(int code);
    void Paint(SDL_Surface* surface, Form* top, const MessageDialog* box, int pressed) const;

    WindowPtr window_;
    Uint32 wakeEvent_ = 0;
    int shownState_ = -1;
    // The window surface last drawn on: a new one (the window was created or resized) holds
    // nothing yet and is drawn whole.
    const SDL_Surface* drawnSurface_ = nullptr;
    int drawnW_ = 0, drawnH_ = 0;
    int shownX_ = -100000, shownY_ = -100000, shownW_ = 0, shownH_ = 0;
    int stateBeforeMinimise_ = 0;
    bool minimiseRefused_ = false;
    const void* shownIcon_ = nullptr;
    std::map<int, CursorPtr> cursors_;
    CursorPtr customCursor_;
    const void* customCursorSource_ = nullptr;
    static constexpr std::uint32_t kDragPollMs = 10;
    float reportedX_ = 0, reportedY_ = 0; // the pointer's last place on the screen handed on
    bool pendingKeyPress_ = false;
    InputEvent keyPress_;
};

} // namespace ui
