#include "platform/Application.h"

#include "platform/Error.h"
#include "platform/Form.h"

#include <algorithm>

namespace ui {

namespace {

Application* current = nullptr;

// Elapsed-time arithmetic on the wrapping 32-bit tick count.
std::int32_t Until(std::uint32_t due, std::uint32_t now) {
    return static_cast<std::int32_t>(due - now);
}

constexpr std::uint32_t FRAME_MS = 16;

} // namespace

Application::Application(std::unique_ptr<Backend> backend, std::unique_ptr<Audio> audio)
    : backend_(std::move(backend)),
      audio_(audio ? std::move(audio) : std::make_unique<SilentAudio>()) {
    current = this;
}

Application::~Application() {
    forms_.clear();
    // Before the posted-event queue goes: the audio thread posts completion events.
    audio_.reset();
    if (current == this) {
        current = nullptr;
    }
}

Application& Application::Current() {
    if (current == nullptr) {
        throw std::logic_error("no application");
    }
    return *current;
}

bool Application::Exists() {
    return current != nullptr;
}

void Application::DoEvents() {
    InputEvent event;
    while (backend_->PollEvent(event)) {
        Dispatch(event);
    }
    audio_->Update(Ticks());
    FireDueTimers();
    RunPosted();
    Draw();
}

void Application::Idle(std::uint32_t maxMs) {
    const std::uint32_t now = Ticks();
    std::int64_t timeout = maxMs;
    for (const Timer* t : timers_) {
        timeout = std::min<std::int64_t>(timeout, std::max<std::int32_t>(0, Until(t->Due(), now)));
    }
    if (const auto due = audio_->NextDeadline()) {
        timeout = std::min<std::int64_t>(timeout, std::max<std::int32_t>(0, Until(*due, now)));
    }
    if (dirty_) {
        timeout = std::min<std::int64_t>(
            timeout, std::max<std::int32_t>(0, Until(lastDraw_ + FRAME_MS, now)));
    }
    {
        std::lock_guard<std::mutex> lock(postedMutex_);
        if (!posted_.empty()) {
            timeout = 0;
        }
    }
    if (timeout > 0) {
        backend_->WaitEvent(static_cast<std::uint32_t>(timeout));
    }
}

int Application::Run() {
    return Run(nullptr);
}

int Application::Run(const std::function<void()>& body) {
    try {
        if (body) {
            body();
        }
        for (;;) {
            DoEvents();
            Idle(1000);
        }
    } catch (const ProgramEnd& end) {
        ended_ = true;
        return end.status;
    } catch (const RuntimeError& e) {
        return ShowUnhandled(e, e.Number());
    } catch (const std::exception& e) {
        return ShowUnhandled(e, 0);
    }
}

int Application::ShowUnhandled(const std::exception& e, int number) {
    ended_ = true;
    try {
        MsgBox("Erro " + std::to_string(number) + ":\r\r" + e.what(), vbExclamation);
    } catch (...) {
        // The message could not be shown; the status still tells.
    }
    return 1;
}

void Application::End(int status) {
    ended_ = true;
    throw ProgramEnd{status};
}

void Application::Post(std::function<void()> event) {
    {
        std::lock_guard<std::mutex> lock(postedMutex_);
        posted_.push_back(std::move(event));
    }
    backend_->Wake();
}

void Application::RunPosted() {
    for (;;) {
        std::function<void()> event;
        {
            std::lock_guard<std::mutex> lock(postedMutex_);
            if (posted_.empty()) {
                return;
            }
            event = std::move(posted_.front());
            posted_.pop_front();
        }
        event();
    }
}

int Application::MsgBox(const std::string& text, int style, const std::string& title) {
    const int answer = backend_->ShowMessage(text, style, title);
    // The box took the pointer: a press that began before it has no release to come.
    buttonsHeld_ = 0;
    capture_ = nullptr;
    captureForm_.reset();
    shownPointer_ = -1;
    UpdatePointer();
    Invalidate();
    return answer;
}

void Application::MousePointer(int code) {
    pointer_ = code;
    UpdatePointer();
}

void Application::CustomPointer(const Picture& icon, int hotX, int hotY) {
    customIcon_ = icon;
    customHotX_ = hotX;
    customHotY_ = hotY;
    shownPointer_ = -1;
    UpdatePointer();
}

void Application::UpdatePointer() {
    int code = pointer_;
    const Picture* icon = &customIcon_;
    if (code == vbDefault) {
        if (Form* top = TopForm()) {
            if (Control* c = top->HitTest(mouseX_, mouseY_)) {
                code = c->MousePointer();
                if (c->MouseIcon()) {
                    icon = &c->MouseIcon();
                }
            }
        }
    }
    if (code == shownPointer_ && icon == shownIcon_) {
        return;
    }
    shownPointer_ = code;
    shownIcon_ = icon;
    backend_->SetPointer(code, *icon ? icon : nullptr, customHotX_, customHotY_);
}

int Application::ScreenWidthTwips() {
    return backend_->ScreenWidthPx() * TWIPS_PER_PIXEL;
}
int Application::ScreenHeightTwips() {
    return backend_->ScreenHeightPx() * TWIPS_PER_PIXEL;
}

void Application::Register(const std::shared_ptr<Form>& form) {
    if (std::find(forms_.begin(), forms_.end(), form) == forms_.end()) {
        forms_.push_back(form);
    }
}

void Application::Remove(const Form* form) {
    std::erase_if(forms_, [form](const auto& f) { return f.get() == form; });
    if (captureForm_.expired() || captureForm_.lock().get() == form) {
        capture_ = nullptr;
        captureForm_.reset();
    }
}

void Application::BringToTop(const Form* form) {
    auto it = std::find_if(forms_.begin(), forms_.end(),
                           [form](const auto& f) { return f.get() == form; });
    if (it != forms_.end()) {
        std::rotate(it, it + 1, forms_.end());
    }
}

Form* Application::RunningForm() const {
    for (auto it = running_.rbegin(); it != running_.rend(); ++it) {
        if (auto form = it->lock()) {
            return form.get();
        }
    }
    return nullptr;
}

HandlerScope::HandlerScope(Form& form) : keep_(form.shared_from_this()) {
    App().running_.push_back(keep_);
}

HandlerScope::~HandlerScope() {
    App().running_.pop_back();
}

Form* Application::TopForm() const {
    for (auto it = forms_.rbegin(); it != forms_.rend(); ++it) {
        if ((*it)->Visible()) {
            return it->get();
        }
    }
    return nullptr;
}

void Application::AddTimer(Timer* t) {
    if (std::find(timers_.begin(), timers_.end(), t) == timers_.end()) {
        timers_.push_back(t);
    }
}

void Application::RemoveTimer(Timer* t) {
    std::erase(timers_, t);
}

void Application::FireDueTimers() {
    const std::vector<Timer*> snapshot = timers_;
    for (Timer* t : snapshot) {
        // A tick may have stopped or destroyed other timers.
        if (std::find(timers_.begin(), timers_.end(), t) == timers_.end()) {
            continue;
        }
        if (Until(t->Due(), Ticks()) <= 0) {
            HandlerScope scope(t->OwnerForm());
            t->Fire();
        }
    }
}

void Application::Dispatch(const InputEvent& event) {
    Form* top = TopForm();
    if (event.kind == InputEvent::Kind::Quit) {
        End(0);
    }
    if (top == nullptr || !top->Enabled()) {
        return;
    }
    HandlerScope scope(*top);
    switch (event.kind) {
    case InputEvent::Kind::KeyDown:
        top->Form_KeyDown(event.key, event.shift);
        break;
    case InputEvent::Kind::KeyPress:
        top->Form_KeyPress(event.key);
        break;
    case InputEvent::Kind::Restored:
        top->WindowState(event.button);
        break;
    default:
        DispatchMouse(event, *top);
        break;
    }
}

void Application::DispatchMouse(const InputEvent& event, Form& form) {
    mouseX_ = event.x;
    mouseY_ = event.y;
    // A drag moves the form between events, before the window follows: the pointer is placed
    // against where the form stands now, so that the last move always wins.
    if (event.kind == InputEvent::Kind::MouseMove && (buttonsHeld_ & 1) != 0 && event.onScreen) {
        mouseX_ = event.screenX - static_cast<float>(form.Left()) / TWIPS_PER_PIXEL;
        mouseY_ = event.screenY - static_cast<float>(form.Top()) / TWIPS_PER_PIXEL;
    }
    Control* hit = form.HitTest(mouseX_, mouseY_);
    const bool captured = capture_ != nullptr && captureForm_.lock().get() == &form;
    Control* target = captured ? capture_ : hit;
    const auto local = [&](Control* c, float& x, float& y) {
        c->OriginInForm(x, y);
        x = mouseX_ - x;
        y = mouseY_ - y;
    };
    float x = 0, y = 0;
    switch (event.kind) {
    case InputEvent::Kind::MouseDown:
        buttonsHeld_ |= event.button;
        if (!captured) {
            capture_ = hit;
            captureForm_ = form.weak_from_this();
            target = hit;
        }
        if (target != nullptr && target->MouseDown) {
            local(target, x, y);
            target->MouseDown(event.button, event.shift, x, y);
        }
        break;
    case InputEvent::Kind::MouseMove:
        if (target != nullptr && target->MouseMove) {
            local(target, x, y);
            target->MouseMove(buttonsHeld_, event.shift, x, y);
        }
        break;
    case InputEvent::Kind::MouseUp:
        buttonsHeld_ &= ~event.button;
        if (buttonsHeld_ == 0) {
            capture_ = nullptr;
            captureForm_.reset();
        }
        if (target != nullptr && target->MouseUp) {
            local(target, x, y);
            target->MouseUp(event.button, event.shift, x, y);
        }
        // A click is a left press and release on the same control; a release whose press
        // went elsewhere (a screen closed since) clicks nothing.
        if (event.button == 1 && captured && target != nullptr && target == hit &&
            form.IsLoaded() && target->Visible() && target->Enabled() && target->Click) {
            target->Click();
        }
        break;
    default:
        break;
    }
    if (form.IsLoaded()) {
        UpdatePointer();
    }
}

void Application::Draw() {
    if (!dirty_) {
        return;
    }
    const std::uint32_t now = Ticks();
    if (Until(lastDraw_ + FRAME_MS, now) > 0) {
        return;
    }
    dirty_ = false;
    lastDraw_ = now;
    backend_->Present(TopForm());
}

} // namespace ui
