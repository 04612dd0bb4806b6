// Controls and the containers that hold them. Positions and sizes are pixels of the
// container; event coordinates are pixels of the control that receives them.
#pragma once

#include "platform/Backend.h"
#include "platform/Picture.h"
#include "platform/Receiver.h"

#include <functional>
#include <memory>
#include <vector>

struct SDL_Surface;

namespace ui {

class Container;
class Form;

using ClickHandler = std::function<void()>;
using MouseHandler = std::function<void(int Button, int Shift, float X, float Y)>;

class Control : public Receiver {
  public:
    explicit Control(Container& parent);
    ~Control() override;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    float Left() const { return left_; }
    float Top() const { return top_; }
    float Width() const { return width_; }
    float Height() const { return height_; }
    void Left(float v);
    void Top(float v);
    void Width(float v);
    void Height(float v);
    void Move(float left, float top);
    void Move(float left, float top, float width, float height);

    bool Visible() const { return visible_; }
    void Visible(bool v);
    bool Enabled() const { return enabled_; }
    void Enabled(bool v) { enabled_ = v; }
    int MousePointer() const { return pointer_; }
    void MousePointer(int code) { pointer_ = code; }
    const Picture& MouseIcon() const { return mouseIcon_; }
    void MouseIcon(const Picture& p) { mouseIcon_ = p; }

    Container& Parent() const { return parent_; }
    Form& OwnerForm() const;
    Form& HandlerForm() override { return OwnerForm(); }
    // Expires when the control is destroyed.
    std::weak_ptr<Control> Weak() const { return std::static_pointer_cast<Control>(Self()); }
    // Position of the control's origin in the form's client area.
    void OriginInForm(float& x, float& y) const;

    // Events; a control without a handler still takes the pointer over it.
    ClickHandler Click;
    MouseHandler MouseDown;
    MouseHandler MouseMove;
    MouseHandler MouseUp;

    // Whether the control takes part in hit testing (timers do not).
    virtual bool Hittable() const { return true; }
    virtual void Draw(SDL_Surface* target, int x, int y) const = 0;
    // The pixels the control draws on, in its container's coordinates.
    virtual ScreenArea Area() const;
    // Whether the control and every container it lies in are visible.
    bool Shown() const;

  protected:
    // The control's looks changed where it stands.
    void Changed() const;
    // Runs a change that may move, resize, show or hide the control: the place it leaves and
    // the place it takes are both redrawn.
    template <class F> void Reshape(F change) {
        Changed();
        change();
        Changed();
    }
    virtual void Resized() {}

  private:
    Container& parent_;
    float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    int pointer_ = 0;
    Picture mouseIcon_;
};

// Holds child controls in z-order, the first at the bottom.
class Container {
  public:
    virtual ~Container() = default;
    const std::vector<Control*>& Children() const { return children_; }
    void Add(Control* c) { children_.push_back(c); }
    void Remove(Control* c);
    virtual Form& OwnerForm() = 0;
    // Origin of this container's coordinates in the form's client area.
    virtual void Origin(float& x, float& y) const = 0;
    // The pixel where the container's origin is drawn in the form's client area.
    virtual void PixelOrigin(int& x, int& y) const = 0;
    // Whether what the container holds can be seen, as far as its containers tell.
    virtual bool ChildrenShown() const = 0;
    // Topmost visible and enabled control at (x, y) of this container, searching inside
    // picture boxes; nullptr when none.
    Control* HitTest(float x, float y) const;
    // Draws the visible children that meet the target's clip rectangle.
    void DrawChildren(SDL_Surface* target, int x, int y) const;

  private:
    std::vector<Control*> children_;
};

} // namespace ui
