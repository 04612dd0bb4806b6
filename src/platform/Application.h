// The application: the loaded forms, the event loop with its timers, message boxes, the
// application-wide pointer and the program's end.
#pragma once

#include "platform/Audio.h"
#include "platform/Backend.h"
#include "platform/Picture.h"
#include "platform/Receiver.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace ui {

class Form;
class Control;
class MessageDialog;
class Timer;

// Thrown by End() to unwind every handler and nested loop back to Run().
struct ProgramEnd {
    int status;
};

constexpr const char* APP_TITLE = "Quorvane";

class Application {
  public:
    // Without an audio backend the program runs silent.
    explicit Application(std::unique_ptr<Backend> backend, std::unique_ptr<Audio> audio = nullptr);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    static Application& Current();
    Backend& backend() { return *backend_; }
    Audio& audio() { return *audio_; }

    std::uint32_t Ticks() { return backend_->Ticks(); }

    // Handles every pending input event, due timer tick, audio deadline and posted event, and
    // draws. While a message box is open only the box takes input; timers, sounds and posted
    // events go on beneath it.
    void DoEvents();
    // Sleeps until input arrives, a timer or audio deadline falls due, or `maxMs` has passed.
    void Idle(std::uint32_t maxMs);
    // The one event loop: handles events until `done` holds, checking it after each round,
    // and sleeps between rounds, no later than the tick `wake` when one is given. Every wait,
    // modal show and message box runs in it.
    void SpinUntil(const std::function<bool()>& done,
                   std::optional<std::uint32_t> wake = std::nullopt);
    // Runs the event loop until End(); returns the exit status. An error that no handler
    // caught is shown with its number and description and ends with status 1.
    int Run();
    // Runs `body` (start-up) and then the loop, with the same error handling as Run().
    int Run(const std::function<void()>& body);
    // Ends the program at once, from anywhere.
    [[noreturn]] void End(int status = 0);
    bool Ended() const { return ended_; }

    // Queued from any thread; runs on the UI thread inside DoEvents as a handler of the
    // receiver's form, or is dropped when the receiver has gone or its form is not loaded.
    void Post(std::weak_ptr<Receiver> to, std::function<void()> work);

    // Opens a message box and returns the button pressed. A quit that comes while it is
    // open ends the program.
    int MsgBox(const std::string& text, int style = vbOKOnly, const std::string& title = APP_TITLE);

    // Application-wide pointer: 0 hands the pointer to the controls.
    int MousePointer() const { return pointer_; }
    void MousePointer(int code);
    // The picture of pointer code 99.
    void CustomPointer(const Picture& icon, int hotX, int hotY);

    int ScreenWidthTwips();
    int ScreenHeightTwips();

    // Forms, bottom to top.
    void Register(const std::shared_ptr<Form>& form);
    void Remove(const Form* form);
    void BringToTop(const Form* form);
    Form* TopForm() const;
    const std::vector<std::shared_ptr<Form>>& Forms() const { return forms_; }

    void AddTimer(Timer* t);
    void RemoveTimer(Timer* t);

    // The whole window, or one area of it (pixels of the client area), needs drawing.
    void Invalidate() { damage_.whole = true; }
    void Invalidate(const ScreenArea& area);
    // Presents every change made so far, whatever the frame rate: called before a wait that
    // blocks, so that what the player sees during it is the state it began in.
    void Flush();

    // The form whose handler runs innermost now, or nullptr outside every handler.
    Form* RunningForm() const;

  private:
    friend class HandlerScope;
    struct OpenBox;
    struct Posted {
        std::weak_ptr<Receiver> to;
        std::function<void()> work;
    };
    void Dispatch(const InputEvent& event);
    OpenBox* ShownBox() const;
    void AnswerBox(OpenBox& box, const InputEvent& event);
    void DispatchMouse(const InputEvent& event, Form& form);
    void FireDueTimers();
    void RunPosted();
    void UpdatePointer();
    void Draw();
    void PresentFrame();
    int ShowUnhandled(const std::exception& e, int number);

    std::unique_ptr<Backend> backend_;
    std::unique_ptr<Audio> audio_;
    std::vector<std::shared_ptr<Form>> forms_;
    std::vector<Timer*> timers_;
    std::mutex postedMutex_;
    std::deque<Posted> posted_;
    int pointer_ = 0;
    Picture customIcon_;
    int customHotX_ = 0, customHotY_ = 0;
    // Mouse capture: the control that took the press keeps the pointer until release.
    std::weak_ptr<Control> capture_;
    // The screen that took the last key-down: the character its key types is for it alone.
    std::weak_ptr<Form> keyOwner_;
    int buttonsHeld_ = 0;
    float mouseX_ = 0, mouseY_ = 0;
    int shownPointer_ = -1;
    Picture shownIcon_;
    // The message box that takes the input now, if any.
    OpenBox* box_ = nullptr;
    Damage damage_{true, {}};
    bool ended_ = false;
    std::uint32_t lastDraw_ = 0;
    std::vector<std::weak_ptr<Form>> running_;
};

// Runs a handler of `form`: keeps the form alive until the handler returns, even if it
// unloads the form, and makes it the running form meanwhile.
class HandlerScope {
  public:
    explicit HandlerScope(Form& form);
    ~HandlerScope();
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;

  private:
    std::shared_ptr<Form> keep_;
};

inline Application& App() {
    return Application::Current();
}

// Pending events, as the waits need them.
inline void DoEvents() {
    App().DoEvents();
}
inline std::uint32_t GetTickCount() {
    return App().Ticks();
}

} // namespace ui
