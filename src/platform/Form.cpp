#include "platform/Form.h"

#include "platform/Application.h"
#include "platform/Colour.h"

#include <SDL.h>

#include <algorithm>

namespace ui {

Form::Form() = default;

Form::~Form() = default;

void Form::Load() {
    if (loaded_ || loading_) {
        return;
    }
    HandlerScope scope(*this);
    loading_ = true;
    loaded_ = true;
    App().Register(shared_from_this());
    try {
        Form_Load();
    } catch (...) {
        loading_ = false;
        throw;
    }
    loading_ = false;
}

void Form::Show(int mode) {
    std::shared_ptr<Form> keep = shared_from_this();
    Load();
    if (!loaded_) {
        return;
    }
    visible_ = true;
    App().BringToTop(this);
    App().Invalidate();
    if (mode == vbModal) {
        App().SpinUntil([this] { return !loaded_ || !visible_; });
    }
}

void Form::Hide() {
    visible_ = false;
    App().Invalidate();
}

void Form::Unload() {
    if (!loaded_) {
        return;
    }
    HandlerScope scope(*this);
    Form_Unload();
    loaded_ = false;
    visible_ = false;
    for (Timer* t : std::vector<Timer*>(timers_)) {
        t->Enabled(false);
    }
    App().Remove(this);
    App().Invalidate();
    if (release_) {
        auto release = std::move(release_);
        release_ = nullptr;
        release();
    }
}

void Form::Move(int left, int top) {
    Move(left, top, width_, height_);
}

void Form::Move(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) {
        return;
    }
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    App().Invalidate();
}

void Form::WindowState(int s) {
    state_ = s;
    App().Invalidate();
}

void Form::BackColor(std::uint32_t c) {
    if (c == backColor_) {
        return;
    }
    backColor_ = c;
    App().Invalidate();
}

void Form::Paint(SDL_Surface* target) const {
    SDL_FillRect(target, nullptr, MapColour(target, backColor_));
    DrawChildren(target, 0, 0);
}

void Form::RemoveTimer(Timer* t) {
    std::erase(timers_, t);
}

} // namespace ui
