#include "platform/Controls.h"

#include "platform/Application.h"
#include "platform/Colour.h"
#include "platform/Form.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

int Px(float v) {
    return static_cast<int>(std::floor(v));
}

void FillRect(SDL_Surface* target, int x, int y, int w, int h, std::uint32_t colour) {
    SDL_Rect r{x, y, w, h};
    SDL_FillRect(target, &r, MapColour(target, colour));
}

void BlitPicture(SDL_Surface* target, const Picture& p, int x, int y, int w, int h) {
    if (!p) {
        return;
    }
    SDL_Rect src{0, 0, std::min(w, p.Width()), std::min(h, p.Height())};
    SDL_Rect dst{x, y, src.w, src.h};
    SDL_BlitSurface(p.Surface(), &src, target, &dst);
}

} // namespace

// ---- Control ----

Control::Control(Container& parent) : parent_(parent) {
    parent_.Add(this);
}

Control::~Control() {
    parent_.Remove(this);
}

void Control::Changed() const {
    if (Application::Exists()) {
        App().Invalidate();
    }
}

void Control::Left(float v) {
    Move(v, top_, width_, height_);
}
void Control::Top(float v) {
    Move(left_, v, width_, height_);
}
void Control::Width(float v) {
    Move(left_, top_, v, height_);
}
void Control::Height(float v) {
    Move(left_, top_, width_, v);
}
void Control::Move(float left, float top) {
    Move(left, top, width_, height_);
}

void Control::Move(float left, float top, float width, float height) {
    const bool resized = width != width_ || height != height_;
    left_ = left;
    top_ = top;
    width_ = std::max(0.0f, width);
    height_ = std::max(0.0f, height);
    if (resized) {
        Resized();
    }
    Changed();
}

void Control::Visible(bool v) {
    if (v != visible_) {
        visible_ = v;
        Changed();
    }
}

Form& Control::OwnerForm() const {
    return parent_.OwnerForm();
}

void Control::OriginInForm(float& x, float& y) const {
    parent_.Origin(x, y);
    x += left_;
    y += top_;
}

// ---- Container ----

void Container::Remove(Control* c) {
    std::erase(children_, c);
}

Control* Container::HitTest(float x, float y) const {
    for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
        Control* c = *it;
        if (!c->Hittable() || !c->Visible() || !c->Enabled()) {
            continue;
        }
        const float cx = x - c->Left();
        const float cy = y - c->Top();
        if (cx < 0 || cy < 0 || cx >= c->Width() || cy >= c->Height()) {
            continue;
        }
        if (auto* box = dynamic_cast<PictureBox*>(c)) {
            if (Control* inner = box->HitTest(cx, cy)) {
                return inner;
            }
        }
        return c;
    }
    return nullptr;
}

void Container::DrawChildren(SDL_Surface* target, int x, int y) const {
    for (const Control* c : children_) {
        if (c->Visible()) {
            c->Draw(target, x + Px(c->Left()), y + Px(c->Top()));
        }
    }
}

// ---- Label ----

void Label::Caption(const std::string& text) {
    if (text == caption_) {
        return;
    }
    caption_ = text;
    FitSize();
    Changed();
    if (Change) {
        Change();
    }
}

void Label::ForeColor(std::uint32_t c) {
    foreColor_ = c;
    Changed();
}
void Label::BackColor(std::uint32_t c) {
    backColor_ = c;
    Changed();
}
void Label::BackStyle(int s) {
    backStyle_ = s;
    Changed();
}
void Label::FontSize(float points) {
    font_.size = points;
    FitSize();
    Changed();
}
void Label::FontBold(bool b) {
    font_.bold = b;
    FitSize();
    Changed();
}
void Label::Alignment(int a) {
    alignment_ = a;
    Changed();
}
void Label::AutoSize(bool a) {
    autoSize_ = a;
    FitSize();
}
void Label::WordWrap(bool w) {
    wordWrap_ = w;
    FitSize();
}

std::vector<std::string> Label::Lines() const {
    if (autoSize_ && !wordWrap_) {
        return SplitLines(caption_);
    }
    return WrapText(caption_, font_, static_cast<int>(Width()));
}

// Auto-size grows the label to its text: to the widest line without word wrap, or to the
// wrapped height at a fixed width with it.
void Label::FitSize() {
    if (!autoSize_ || fitting_) {
        return;
    }
    fitting_ = true;
    const auto lines = Lines();
    const float h = static_cast<float>(LineHeight(font_) * static_cast<int>(lines.size()));
    float w = Width();
    if (!wordWrap_) {
        w = 0;
        for (const auto& line : lines) {
            w = std::max(w, static_cast<float>(TextWidth(line, font_)));
        }
    }
    Move(Left(), Top(), w, h);
    fitting_ = false;
}

void Label::Draw(SDL_Surface* target, int x, int y) const {
    const int w = static_cast<int>(Width());
    const int h = static_cast<int>(Height());
    if (backStyle_ == 1) {
        FillRect(target, x, y, w, h, backColor_);
    }
    DrawLines(target, Lines(), font_, foreColor_, alignment_, x, y, w, h);
}

// ---- Image ----

void Image::Picture(const ui::Picture& p) {
    picture_ = p;
    if (p) {
        Move(Left(), Top(), static_cast<float>(p.Width()), static_cast<float>(p.Height()));
    }
    Changed();
}

void Image::Draw(SDL_Surface* target, int x, int y) const {
    BlitPicture(target, picture_, x, y, static_cast<int>(Width()), static_cast<int>(Height()));
}

// ---- PictureBox ----

void PictureBox::Picture(const ui::Picture& p) {
    picture_ = p;
    Changed();
}

void PictureBox::BackColor(std::uint32_t c) {
    backColor_ = c;
    Changed();
}

void PictureBox::Draw(SDL_Surface* target, int x, int y) const {
    const int w = static_cast<int>(Width());
    const int h = static_cast<int>(Height());
    SDL_Rect clip{x, y, w, h};
    SDL_Rect saved;
    SDL_GetClipRect(target, &saved);
    SDL_IntersectRect(&clip, &saved, &clip);
    SDL_SetClipRect(target, &clip);
    FillRect(target, x, y, w, h, backColor_);
    BlitPicture(target, picture_, x, y, w, h);
    DrawChildren(target, x, y);
    SDL_SetClipRect(target, &saved);
}

// ---- Shape ----

void Shape::FillColor(std::uint32_t c) {
    fillColor_ = c;
    Changed();
}

void Shape::BorderColor(std::uint32_t c) {
    borderColor_ = c;
    Changed();
}

void Shape::Draw(SDL_Surface* target, int x, int y) const {
    const int w = static_cast<int>(Width());
    const int h = static_cast<int>(Height());
    FillRect(target, x, y, w, h, borderColor_);
    if (w > 2 && h > 2) {
        FillRect(target, x + 1, y + 1, w - 2, h - 2, fillColor_);
    }
}

// ---- Line ----

void Line::Ends(float x1, float y1, float x2, float y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    Changed();
}

void Line::BorderColor(std::uint32_t c) {
    colour_ = c;
    Changed();
}

// Lines are drawn relative to the container, whatever the control's own position.
void Line::Draw(SDL_Surface* target, int x, int y) const {
    const int ox = x - Px(Left());
    const int oy = y - Px(Top());
    const int steps =
        std::max(1, static_cast<int>(std::max(std::fabs(x2_ - x1_), std::fabs(y2_ - y1_))));
    const Uint32 c = MapColour(target, colour_);
    for (int i = 0; i <= steps; ++i) {
        const float t = static_cast<float>(i) / static_cast<float>(steps);
        SDL_Rect dot{ox + Px(x1_ + (x2_ - x1_) * t), oy + Px(y1_ + (y2_ - y1_) * t), 1, 1};
        SDL_FillRect(target, &dot, c);
    }
}

// ---- CommandButton ----

void CommandButton::Caption(const std::string& c) {
    caption_ = c;
    Changed();
}

void CommandButton::Draw(SDL_Surface* target, int x, int y) const {
    const int w = static_cast<int>(Width());
    const int h = static_cast<int>(Height());
    FillRect(target, x, y, w, h, RGB(64, 64, 64));
    FillRect(target, x + 1, y + 1, w - 2, h - 2, RGB(192, 192, 192));
    const Font font{8.25f, false};
    const int lh = LineHeight(font);
    DrawLines(target, {caption_}, font, 0, vbCenter, x, y + (h - lh) / 2, w, lh);
}

// ---- Timer ----

Timer::Timer(Form& owner, int interval) : owner_(owner), interval_(interval) {
    owner_.AddTimer(this);
}

Timer::~Timer() {
    owner_.RemoveTimer(this);
    if (Application::Exists()) {
        App().RemoveTimer(this);
    }
}

void Timer::Interval(int ms) {
    interval_ = ms;
    Schedule();
}

void Timer::Enabled(bool e) {
    enabled_ = e;
    Schedule();
}

// Setting the interval or enabling restarts the count.
void Timer::Schedule() {
    if (!Application::Exists()) {
        return;
    }
    if (enabled_ && interval_ > 0) {
        due_ = App().Ticks() + static_cast<std::uint32_t>(interval_);
        App().AddTimer(this);
    } else {
        App().RemoveTimer(this);
    }
}

// A tick that falls due while the previous one still runs (inside a wait) is dropped, and the
// next one scheduled, so that the wait does not see the timer as due forever.
void Timer::Fire() {
    due_ = App().Ticks() + static_cast<std::uint32_t>(interval_);
    if (firing_) {
        return;
    }
    if (!Tick) {
        return;
    }
    firing_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{firing_};
    Tick();
}

} // namespace ui
