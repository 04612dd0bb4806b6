#include "platform/Application.h"

#include "platform/Error.h"
#include "platform/Form.h"
#include "platform/MessageDialog.h"

#include <algorithm>
#include <utility>

namespace ui {

namespace {

Application* current = nullptr;

// Elapsed-time arithmetic on the wrapping 32-bit tick count.
std::int32_t Until(std::uint32_t due, std::uint32_t now) {
    return static_cast<std::int32_t>(due - now);
}

constexpr std::uint32_t FRAME_MS = 16;
constexpr std::size_t MAX_AREAS = 16;
constexpr int KEY_ENTER = 13;
constexpr int KEY_ESCAPE = 27;
constexpr int KEY_SPACE = 32;

} // namespace

// A message box while it waits for its answer.
struct Application::OpenBox {
    MessageDialog dialog;
    OpenBox* outer; // the box that was open when this one opened, if any
    int pressed = 0;
    int answer = 0;
};

// An answered box is closed for input and drawing, though its caller may not have returned
// yet: a timer beneath it can be waiting, and that wait must see the screen's input.
Application::OpenBox* Application::ShownBox() const {
    for (OpenBox* box = box_; box != nullptr; box = box->outer) {
        if (box->answer == 0) {
            return box;
        }
    }
    return nullptr;
}

Application::Application(std::unique_ptr<Backend> backend, std::unique_ptr<Audio> audio)
    : backend_(std::move(backend)),
      audio_(audio ? std::move(audio) : std::make_unique<SilentAudio>()) {
    current = this;
}

// Forms go while the application still stands: their timers and controls reach it as they
// are destroyed.
Application::~Application() {
    FormRefBase::ResetAll();
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

void Application::DoEvents() {
    OpenBox* box = ShownBox();
    InputEvent event;
    if (box != nullptr) {
        // Only the box answers; the events after its answer are for the screen beneath.
        while (box->answer == 0 && backend_->PollEvent(event)) {
            AnswerBox(*box, event);
        }
    } else {
        while (backend_->PollEvent(event)) {
            Dispatch(event);
        }
    }
    // Beneath a message box the clock goes on: timers tick and sounds end.
    audio_->Update(Ticks());
    FireDueTimers();
    RunPosted();
    Draw();
}

void Application::SpinUntil(const std::function<bool()>& done, std::optional<std::uint32_t> wake) {
    Flush();
    for (;;) {
        DoEvents();
        if (done()) {
            return;
        }
        Idle(wake ? static_cast<std::uint32_t>(std::max<std::int32_t>(0, Until(*wake, Ticks())))
                  : 1000);
    }
}

void Application::Idle(std::uint32_t maxMs) {
    const std::uint32_t now = Ticks();
    std::int64_t timeout = maxMs;
    const auto until = [&](std::uint32_t due) {
        timeout = std::min<std::int64_t>(timeout, std::max<std::int32_t>(0, Until(due, now)));
    };
    for (const Timer* t : timers_) {
        until(t->Due());
    }
    if (const auto due = audio_->NextDeadline()) {
        until(*due);
    }
    {
        std::lock_guard<std::mutex> lock(postedMutex_);
        if (!posted_.empty()) {
            timeout = 0;
        }
    }
    if (!damage_.Empty()) {
        until(lastDraw_ + FRAME_MS);
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
        // Only End() or an error leaves the loop.
        for (;;) {
            SpinUntil([] { return false; });
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

void Application::Post(std::weak_ptr<Receiver> to, std::function<void()> work) {
    {
        std::lock_guard<std::mutex> lock(postedMutex_);
        posted_.push_back({std::move(to), std::move(work)});
    }
    backend_->Wake();
}

void Application::RunPosted() {
    for (;;) {
        Posted next;
        {
            std::lock_guard<std::mutex> lock(postedMutex_);
            if (posted_.empty()) {
                return;
            }
            next = std::move(posted_.front());
            posted_.pop_front();
        }
        const auto receiver = next.to.lock();
        if (!receiver || !receiver->HandlerForm().IsLoaded()) {
            continue;
        }
        HandlerScope scope(receiver->HandlerForm());
        next.work();
    }
}

int Application::MsgBox(const std::string& text, int style, const std::string& title) {
    int clientW = 640;
    int clientH = 480;
    backend_->OpenMessage(text, style, title, clientW, clientH);
    OpenBox box{MessageDialog(text, style, title, clientW, clientH), box_};
    {
        // The input mode is restored however the box ends (an error may unwind through it).
        struct Mode {
            Application& app;
            OpenBox* outer;
            ~Mode() {
                app.box_ = outer;
                // The box took the pointer: a press that began before it has no release to
                // come.
                app.buttonsHeld_ = 0;
                app.capture_.reset();
                app.shownPointer_ = -1;
                app.Invalidate();
            }
        } mode{*this, box.outer};
        box_ = &box;
        backend_->SetPointer(vbArrow, nullptr, 0, 0);
        Invalidate();
        SpinUntil([&box] { return box.answer != 0; });
    }
    backend_->CloseMessage();
    UpdatePointer();
    return box.answer;
}

void Application::AnswerBox(OpenBox& box, const InputEvent& event) {
    const MessageDialog& dialog = box.dialog;
    const int x = static_cast<int>(event.x);
    const int y = static_cast<int>(event.y);
    switch (event.kind) {
    case InputEvent::Kind::Quit:
        // As anywhere else: nothing that waits for the answer goes on, and a caller that
        // opens box after box does not keep the program alive.
        End(0);
    case InputEvent::Kind::MouseDown:
        if (event.button == 1) {
            box.pressed = dialog.AnswerAt(x, y);
            Invalidate();
        }
        break;
    case InputEvent::Kind::MouseUp:
        if (event.button == 1) {
            const int answer = dialog.AnswerAt(x, y);
            if (answer != 0 && answer == box.pressed) {
                box.answer = answer;
            }
            box.pressed = 0;
            Invalidate();
        }
        break;
    case InputEvent::Kind::KeyDown:
        keyOwner_.reset();
        if (event.key == KEY_ENTER || event.key == KEY_SPACE) {
            box.answer = dialog.DefaultAnswer();
        } else if (event.key == KEY_ESCAPE && dialog.CancelAnswer() != 0) {
            box.answer = dialog.CancelAnswer();
        }
        break;
    default:
        break;
    }
    if (box.answer != 0) {
        Invalidate();
    }
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
    if (ShownBox() != nullptr) {
        return;
    }
    int code = pointer_;
    Picture icon = customIcon_;
    if (code == vbDefault) {
        if (Form* top = TopForm()) {
            if (Control* c = top->HitTest(mouseX_, mouseY_)) {
                code = c->MousePointer();
                if (c->MouseIcon()) {
                    icon = c->MouseIcon();
                }
            }
        }
    }
    if (code == shownPointer_ && icon == shownIcon_) {
        return;
    }
    shownPointer_ = code;
    shownIcon_ = icon;
    backend_->SetPointer(code, icon ? &shownIcon_ : nullptr, customHotX_, customHotY_);
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
    if (const auto captured = capture_.lock(); captured && &captured->OwnerForm() == form) {
        capture_.reset();
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
    if (event.kind == InputEvent::Kind::Quit) {
        End(0);
    }
    Form* top = TopForm();
    if (event.kind == InputEvent::Kind::KeyDown) {
        keyOwner_.reset();
    }
    if (top == nullptr || !top->Enabled()) {
        return;
    }
    HandlerScope scope(*top);
    switch (event.kind) {
    case InputEvent::Kind::KeyDown:
        keyOwner_ = top->weak_from_this();
        top->Form_KeyDown(event.key, event.shift);
        break;
    case InputEvent::Kind::KeyPress:
        // A screen that closed or went under another since its key-down does not get the
        // character, nor does the screen now on top.
        if (keyOwner_.lock().get() == top) {
            top->Form_KeyPress(event.key);
        }
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
    const std::shared_ptr<Control> holder = capture_.lock();
    const bool captured = holder && &holder->OwnerForm() == &form;
    Control* target = captured ? holder.get() : hit;
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
            capture_ = hit != nullptr ? hit->Weak() : std::weak_ptr<Control>();
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
            capture_.reset();
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

void Application::Invalidate(const ScreenArea& area) {
    if (damage_.whole || area.w <= 0 || area.h <= 0) {
        return;
    }
    const auto within = [&area](const ScreenArea& a) {
        return area.x >= a.x && area.y >= a.y && area.x + area.w <= a.x + a.w &&
               area.y + area.h <= a.y + a.h;
    };
    if (std::any_of(damage_.areas.begin(), damage_.areas.end(), within)) {
        return;
    }
    // Past a few areas one redraw of everything costs less than many small ones.
    if (damage_.areas.size() >= MAX_AREAS) {
        damage_ = {true, {}};
        return;
    }
    damage_.areas.push_back(area);
}

void Application::Draw() {
    if (damage_.Empty()) {
        return;
    }
    if (Until(lastDraw_ + FRAME_MS, Ticks()) > 0) {
        return;
    }
    PresentFrame();
}

void Application::Flush() {
    if (!damage_.Empty()) {
        PresentFrame();
    }
}

void Application::PresentFrame() {
    const Damage damage = std::exchange(damage_, {});
    lastDraw_ = Ticks();
    if (const OpenBox* box = ShownBox()) {
        backend_->Present(TopForm(), &box->dialog, box->pressed, damage);
    } else {
        backend_->Present(TopForm(), nullptr, 0, damage);
    }
}

} // namespace ui
