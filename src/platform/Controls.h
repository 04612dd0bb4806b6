// The controls a screen is built from. Positions and sizes are pixels of the container;
// event coordinates are pixels of the control that receives them.
#pragma once

#include "platform/Picture.h"
#include "platform/Text.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

struct SDL_Surface;

namespace ui {

class Container;
class Form;

using ClickHandler = std::function<void()>;
using MouseHandler = std::function<void(int Button, int Shift, float X, float Y)>;

class Control {
  public:
    explicit Control(Container& parent);
    virtual ~Control();
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

  protected:
    void Changed() const;
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
    // Topmost visible and enabled control at (x, y) of this container, searching inside
    // picture boxes; nullptr when none.
    Control* HitTest(float x, float y) const;
    void DrawChildren(SDL_Surface* target, int x, int y) const;

  private:
    std::vector<Control*> children_;
};

class Label : public Control {
  public:
    using Control::Control;
    const std::string& Caption() const { return caption_; }
    void Caption(const std::string& text);
    std::uint32_t ForeColor() const { return foreColor_; }
    void ForeColor(std::uint32_t c);
    std::uint32_t BackColor() const { return backColor_; }
    void BackColor(std::uint32_t c);
    // 0 transparent, 1 opaque
    void BackStyle(int s);
    float FontSize() const { return font_.size; }
    void FontSize(float points);
    bool FontBold() const { return font_.bold; }
    void FontBold(bool b);
    int Alignment() const { return alignment_; }
    void Alignment(int a);
    bool AutoSize() const { return autoSize_; }
    void AutoSize(bool a);
    bool WordWrap() const { return wordWrap_; }
    void WordWrap(bool w);
    const struct Font& TextFont() const { return font_; }
    // The lines as drawn.
    std::vector<std::string> Lines() const;

    ClickHandler Change;

    void Draw(SDL_Surface* target, int x, int y) const override;

  protected:
    void Resized() override { FitSize(); }

  private:
    void FitSize();
    std::string caption_;
    std::uint32_t foreColor_ = 0;
    std::uint32_t backColor_ = 0xFFFFFF;
    int backStyle_ = 0;
    struct Font font_;
    int alignment_ = vbLeftJustify;
    bool autoSize_ = false;
    bool wordWrap_ = false;
    bool fitting_ = false;
};

class Image : public Control {
  public:
    using Control::Control;
    const ui::Picture& Picture() const { return picture_; }
    // The image takes the picture's size.
    void Picture(const ui::Picture& p);
    void Draw(SDL_Surface* target, int x, int y) const override;

  private:
    ui::Picture picture_;
};

class PictureBox : public Control, public Container {
  public:
    using Control::Control;
    const ui::Picture& Picture() const { return picture_; }
    void Picture(const ui::Picture& p);
    std::uint32_t BackColor() const { return backColor_; }
    void BackColor(std::uint32_t c);
    Form& OwnerForm() override { return Control::OwnerForm(); }
    void Origin(float& x, float& y) const override { OriginInForm(x, y); }
    void Draw(SDL_Surface* target, int x, int y) const override;

  private:
    ui::Picture picture_;
    std::uint32_t backColor_ = 0;
};

class Shape : public Control {
  public:
    using Control::Control;
    void FillColor(std::uint32_t c);
    std::uint32_t FillColor() const { return fillColor_; }
    void BorderColor(std::uint32_t c);
    void Draw(SDL_Surface* target, int x, int y) const override;

  private:
    std::uint32_t fillColor_ = 0;
    std::uint32_t borderColor_ = 0;
};

class Line : public Control {
  public:
    using Control::Control;
    float X1() const { return x1_; }
    float Y1() const { return y1_; }
    float X2() const { return x2_; }
    float Y2() const { return y2_; }
    void Ends(float x1, float y1, float x2, float y2);
    void BorderColor(std::uint32_t c);
    std::uint32_t BorderColor() const { return colour_; }
    bool Hittable() const override { return false; }
    void Draw(SDL_Surface* target, int x, int y) const override;

  private:
    float x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    std::uint32_t colour_ = 0;
};

class CommandButton : public Control {
  public:
    using Control::Control;
    const std::string& Caption() const { return caption_; }
    void Caption(const std::string& c);
    void Draw(SDL_Surface* target, int x, int y) const override;

  private:
    std::string caption_;
};

// Ticks on the UI thread every `Interval` ms while enabled; a tick never re-enters itself.
class Timer {
  public:
    explicit Timer(Form& owner, int interval = 0);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;
    int Interval() const { return interval_; }
    void Interval(int ms);
    bool Enabled() const { return enabled_; }
    void Enabled(bool e);
    Form& OwnerForm() const { return owner_; }
    ClickHandler Tick;

    // Called by the event loop.
    std::uint32_t Due() const { return due_; }
    void Fire();

  private:
    void Schedule();
    Form& owner_;
    int interval_ = 0;
    bool enabled_ = false;
    bool firing_ = false;
    std::uint32_t due_ = 0;
};

// An indexed group of like controls; its events carry the element's index.
template <class T> class ControlArray {
  public:
    ControlArray(Container& parent, int count) {
        for (int i = 0; i < count; ++i) {
            items_.emplace_back(parent);
        }
    }
    T& operator[](int i) { return items_.at(static_cast<std::size_t>(i)); }
    const T& operator[](int i) const { return items_.at(static_cast<std::size_t>(i)); }
    int Count() const { return static_cast<int>(items_.size()); }
    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }

    void OnClick(const std::function<void(int)>& f) {
        for (int i = 0; i < Count(); ++i) {
            (*this)[i].Click = [f, i] { f(i); };
        }
    }
    void OnMouseMove(const std::function<void(int, int, int, float, float)>& f) {
        Each(&Control::MouseMove, f);
    }
    void OnMouseDown(const std::function<void(int, int, int, float, float)>& f) {
        Each(&Control::MouseDown, f);
    }

  private:
    void Each(MouseHandler Control::*member,
              const std::function<void(int, int, int, float, float)>& f) {
        for (int i = 0; i < Count(); ++i) {
            (*this)[i].*member = [f, i](int b, int s, float x, float y) { f(i, b, s, x, y); };
        }
    }
    std::deque<T> items_;
};

} // namespace ui
