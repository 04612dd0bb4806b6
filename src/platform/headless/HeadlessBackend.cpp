#include "platform/headless/HeadlessBackend.h"

#include "platform/Form.h"
#include "platform/MessageDialog.h"

#include <algorithm>

namespace ui {

namespace {

constexpr int ENTER = 13;

void VisibleCaptions(const Container& container, std::vector<std::string>& out) {
    for (const Control* c : container.Children()) {
        if (!c->Visible()) {
            continue;
        }
        if (const auto* label = dynamic_cast<const Label*>(c)) {
            out.push_back(label->Caption());
        } else if (const auto* box = dynamic_cast<const PictureBox*>(c)) {
            VisibleCaptions(*box, out);
        }
    }
}

} // namespace

HeadlessBackend::HeadlessBackend(std::uint32_t startTicks, int screenW, int screenH)
    : now_(startTicks), screenW_(screenW), screenH_(screenH) {}

void HeadlessBackend::PushAt(std::uint32_t at, const InputEvent& event) {
    const auto after = std::find_if(later_.begin(), later_.end(), [&](const Later& l) {
        return static_cast<std::int32_t>(l.at - at) > 0;
    });
    later_.insert(after, {at, event});
}

bool HeadlessBackend::PollEvent(InputEvent& event) {
    while (!later_.empty() && static_cast<std::int32_t>(later_.front().at - now_) <= 0) {
        input_.push_back(later_.front().event);
        later_.erase(later_.begin());
    }
    if (input_.empty()) {
        return false;
    }
    event = input_.front();
    input_.pop_front();
    const bool mouse = event.kind == InputEvent::Kind::MouseMove ||
                       event.kind == InputEvent::Kind::MouseDown ||
                       event.kind == InputEvent::Kind::MouseUp;
    if (mouse && screenPointer_ && !windowPlaces_.empty()) {
        const ScreenArea& shown = windowPlaces_.front();
        pointerPlace_ = {screenPointer_->screenX - static_cast<float>(shown.x),
                         screenPointer_->screenY - static_cast<float>(shown.y),
                         screenPointer_->screenX, screenPointer_->screenY};
    }
    if (mouse && pointerPlace_) {
        PlaceMouseEvent(event, *pointerPlace_);
    }
    return true;
}

bool HeadlessBackend::QuitRequested() {
    return std::any_of(input_.begin(), input_.end(),
                       [](const InputEvent& e) { return e.kind == InputEvent::Kind::Quit; });
}

void HeadlessBackend::WaitEvent(std::uint32_t timeoutMs) {
    ++waits_;
    if (!input_.empty()) {
        return;
    }
    if (!later_.empty()) {
        const auto until = static_cast<std::int32_t>(later_.front().at - now_);
        timeoutMs = std::min(timeoutMs, static_cast<std::uint32_t>(std::max(until, 0)));
    }
    now_ += timeoutMs;
}

void HeadlessBackend::Present(Form* top, const MessageDialog*, int, const Damage& damage) {
    Frame frame{now_, damage, {}};
    if (top != nullptr) {
        VisibleCaptions(*top, frame.captions);
        windowPlaces_.push_back(
            {top->Left() / TWIPS_PER_PIXEL, top->Top() / TWIPS_PER_PIXEL, 0, 0});
        while (windowPlaces_.size() > movesHeld_ + 1) {
            windowPlaces_.pop_front();
        }
    }
    frames_.push_back(std::move(frame));
}

void HeadlessBackend::OpenMessage(const std::string& text, int style, const std::string& title,
                                  int& clientW, int& clientH) {
    messages_.push_back({text, style, title, now_});
    clientW = 640;
    clientH = 480;
    Answer next{-1, nullptr};
    if (!answers_.empty()) {
        next = std::move(answers_.front());
        answers_.pop_front();
    }
    if (next.before) {
        next.before();
    }
    if (next.answer == 0) {
        return;
    }
    const MessageDialog dialog(text, style, title, clientW, clientH);
    for (const auto& button : dialog.Buttons()) {
        if (button.answer == next.answer) {
            const float x = static_cast<float>(button.rect.x + button.rect.w / 2);
            const float y = static_cast<float>(button.rect.y + button.rect.h / 2);
            input_.push_front({InputEvent::Kind::MouseUp, x, y, 1, 0, 0});
            input_.push_front({InputEvent::Kind::MouseDown, x, y, 1, 0, 0});
            return;
        }
    }
    input_.push_front({InputEvent::Kind::KeyDown, 0, 0, 0, 0, ENTER});
}

void HeadlessBackend::SetPointer(int code, const Picture*, int, int) {
    pointer_ = code;
    pointerHistory_.push_back(code);
}

} // namespace ui
