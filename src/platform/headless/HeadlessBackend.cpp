#include "platform/headless/HeadlessBackend.h"

#include "platform/MessageDialog.h"

#include <SDL_ttf.h>

namespace ui {

HeadlessBackend::HeadlessBackend(std::uint32_t startTicks, int screenW, int screenH)
    : now_(startTicks), screenW_(screenW), screenH_(screenH) {}

bool HeadlessBackend::PollEvent(InputEvent& event) {
    if (input_.empty()) {
        return false;
    }
    event = input_.front();
    input_.pop_front();
    return true;
}

void HeadlessBackend::WaitEvent(std::uint32_t timeoutMs) {
    ++waits_;
    if (input_.empty()) {
        now_ += timeoutMs;
    }
}

void HeadlessBackend::Present(Form*) {
    ++frames_;
}

int HeadlessBackend::ShowMessage(const std::string& text, int style, const std::string& title) {
    messages_.push_back({text, style, title, now_});
    if (answers_.empty()) {
        return MessageDialog(text, style, title, 640, 480).DefaultAnswer();
    }
    Answer next = std::move(answers_.front());
    answers_.pop_front();
    if (next.before) {
        next.before();
    }
    return next.answer;
}

void HeadlessBackend::SetPointer(int code, const Picture*, int, int) {
    pointer_ = code;
    pointerHistory_.push_back(code);
}

} // namespace ui
