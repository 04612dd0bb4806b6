#include "platform/Control.h"

#include "platform/Application.h"
#include "platform/Drawing.h"
#include "platform/Form.h"
#include "platform/PictureBox.h"

#include <SDL.h>
#include <algorithm>

namespace ui {

Control::Control(Container& parent) : parent_(parent) {
    parent_.Add(this);
}

Control::~Control() {
    parent_.Remove(this);
}

ScreenArea Control::Area() const {
    return {Px(left_), Px(top_), static_cast<int>(width_), static_cast<int>(height_)};
}

bool Control::Shown() const {
    return visible_ && parent_.ChildrenShown();
}

void Control::Changed() const {
    if (!Shown()) {
        return;
    }
    Application& app = App();
    Form& form = parent_.OwnerForm();
    if (&form != app.TopForm()) {
        return;
    }
    int x = 0, y = 0;
    parent_.PixelOrigin(x, y);
    ScreenArea area = Area();
    area.x += x;
    area.y += y;
    app.Invalidate(area);
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
    width = std::max(0.0f, width);
    height = std::max(0.0f, height);
    if (left == left_ && top == top_ && width == width_ && height == height_) {
        return;
    }
    const bool resized = width != width_ || height != height_;
    Reshape([&] {
        left_ = left;
        top_ = top;
        width_ = width;
        height_ = height;
    });
    if (resized) {
        Resized();
    }
}

void Control::Visible(bool v) {
    if (v != visible_) {
        Reshape([&] { visible_ = v; });
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
        if (!c->Visible()) {
            continue;
        }
        const ScreenArea a = c->Area();
        const SDL_Rect area{x + a.x, y + a.y, a.w, a.h};
        if (SDL_HasIntersection(&area, &target->clip_rect)) {
            c->Draw(target, x + Px(c->Left()), y + Px(c->Top()));
        }
    }
}

} // namespace ui
