// A window system for tests: a virtual clock that moves only when the program waits or the
// test says so, scripted input, scripted message-box answers and a log.
#pragma once

#include "platform/Backend.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ui {

class HeadlessBackend : public Backend {
  public:
    struct Message {
        std::string text;
        int style;
        std::string title;
        std::uint32_t at;
    };
    // A presented frame: when, what it redrew, and the captions of the visible labels of the
    // form shown.
    struct Frame {
        std::uint32_t at;
        Damage damage;
        std::vector<std::string> captions;
    };

    explicit HeadlessBackend(std::uint32_t startTicks = 1000, int screenW = 1024,
                             int screenH = 768);

    std::uint32_t Ticks() override { return now_; }
    bool PollEvent(InputEvent& event) override;
    // Nothing real to wait for: the virtual clock jumps to the timeout unless input waits.
    void WaitEvent(std::uint32_t timeoutMs) override;
    void Wake() override {}
    bool QuitRequested() override;
    void Present(Form* top, const MessageDialog* box, int pressed, const Damage& damage) override;
    // Logs the box and queues the scripted answer ahead of other input.
    void OpenMessage(const std::string& text, int style, const std::string& title, int& clientW,
                     int& clientH) override;
    void CloseMessage() override {}
    void SetPointer(int code, const Picture* icon, int hotX, int hotY) override;
    int ScreenWidthPx() override { return screenW_; }
    int ScreenHeightPx() override { return screenH_; }
    std::vector<ScreenArea> Displays() override {
        return displays_.empty() ? Backend::Displays() : displays_;
    }

    // Test controls.
    void SetDisplays(std::vector<ScreenArea> displays) { displays_ = std::move(displays); }
    void Advance(std::uint32_t ms) { now_ += ms; }
    void Push(const InputEvent& event) { input_.push_back(event); }
    // The pointer's place now, which mouse events are handed on against, as the real
    // backend's are; before the first call they go as pushed.
    void MovePointer(const PointerPlace& place) { pointerPlace_ = place; }
    // The pointer held at (x, y) on the screen: each mouse event is then handed on against
    // where the window is shown, which follows the top form `presents` presents late, as a
    // window system that applies a move late.
    void PointerOnScreen(float x, float y, std::size_t presents = 0) {
        screenPointer_ = {x, y, x, y};
        movesHeld_ = presents;
    }
    // Input that arrives at the tick `at`, as a player acting later; a wait ends there.
    void PushAt(std::uint32_t at, const InputEvent& event);
    // The next message box gets `answer`, clicked on its button; `before` runs first, as the
    // player might act (restore a file) while the box is up. Answer 0 leaves the box to the
    // queued input. A box without a scripted answer gets Enter.
    void AnswerNext(int answer, std::function<void()> before = nullptr) {
        answers_.push_back({answer, std::move(before)});
    }
    const std::vector<Message>& Messages() const { return messages_; }
    int Pointer() const { return pointer_; }
    const std::vector<int>& PointerHistory() const { return pointerHistory_; }
    int Frames() const { return static_cast<int>(frames_.size()); }
    const std::vector<Frame>& PresentedFrames() const { return frames_; }
    bool InputPending() const { return !input_.empty(); }
    // Every wait the program made, to check that none burns the processor.
    int Waits() const { return waits_; }

  private:
    std::uint32_t now_;
    int screenW_, screenH_;
    std::vector<ScreenArea> displays_;
    std::deque<InputEvent> input_;
    std::optional<PointerPlace> pointerPlace_;
    std::optional<PointerPlace> screenPointer_;
    std::size_t movesHeld_ = 0;
    std::deque<ScreenArea> windowPlaces_; // the top form's last places, the shown one first
    struct Later {
        std::uint32_t at;
        InputEvent event;
    };
    std::vector<Later> later_; // by arrival, earliest first
    struct Answer {
        int answer;
        std::function<void()> before;
    };
    std::deque<Answer> answers_;
    std::vector<Message> messages_;
    int pointer_ = 0;
    std::vector<int> pointerHistory_;
    std::vector<Frame> frames_;
    int waits_ = 0;
};

} // namespace ui
