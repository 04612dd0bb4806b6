// One screen: a window with its controls. Forms live in shared pointers so that a form that
// is unloaded while one of its handlers is still running is destroyed only when it returns.
#pragma once

#include "platform/Controls.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ui {

constexpr int TWIPS_PER_PIXEL = 15;

enum WindowStateCode { vbNormal = 0, vbMinimized = 1, vbMaximized = 2 };
enum ShowMode { vbModeless = 0, vbModal = 1 };

class Form : public Container, public Receiver, public std::enable_shared_from_this<Form> {
  public:
    Form();
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Loads the form if needed (running Form_Load), makes it visible and the topmost one.
    // A modal show returns when the form has been unloaded or hidden.
    void Show(int mode = vbModeless);
    // Runs Form_Load once; the form stays hidden.
    void Load();
    // Runs Form_Unload, hides the form, stops its timers and empties its global reference.
    void Unload();
    void Hide();
    bool IsLoaded() const { return loaded_; }
    bool Visible() const { return visible_; }

    // Window geometry in twips, screen coordinates.
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void Left(int v) { Move(v, top_); }
    void Top(int v) { Move(left_, v); }
    void Move(int left, int top);
    void Move(int left, int top, int width, int height);
    int WindowState() const { return state_; }
    void WindowState(int s);

    std::uint32_t BackColor() const { return backColor_; }
    void BackColor(std::uint32_t c);
    const std::string& Caption() const { return caption_; }
    void Caption(const std::string& c) { caption_ = c; }
    bool Enabled() const { return enabled_; }
    void Enabled(bool e) { enabled_ = e; }
    const ui::Picture& Icon() const { return icon_; }
    void Icon(const ui::Picture& p) { icon_ = p; }

    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    virtual void Form_KeyDown(int /*KeyCode*/, int /*Shift*/) {}
    virtual void Form_KeyPress(int /*KeyAscii*/) {}

    // Draws the form's client area: its background colour, then its controls.
    void Paint(SDL_Surface* target) const;

    Form& OwnerForm() override { return *this; }
    Form& HandlerForm() override { return *this; }
    void Origin(float& x, float& y) const override { x = y = 0; }
    void PixelOrigin(int& x, int& y) const override { x = y = 0; }
    // Whether the form is on the window is the application's concern.
    bool ChildrenShown() const override { return true; }

    // Set by the global reference that owns the form; called when it unloads.
    void OnRelease(std::function<void()> f) { release_ = std::move(f); }
    void AddTimer(Timer* t) { timers_.push_back(t); }
    void RemoveTimer(Timer* t);

  private:
    bool loaded_ = false;
    bool loading_ = false;
    bool visible_ = false;
    int left_ = 0, top_ = 0;
    int width_ = 640 * TWIPS_PER_PIXEL, height_ = 480 * TWIPS_PER_PIXEL;
    int state_ = vbNormal;
    std::uint32_t backColor_ = 0;
    std::string caption_;
    bool enabled_ = true;
    ui::Picture icon_;
    std::function<void()> release_;
    std::vector<Timer*> timers_;
};

// Every global reference, so that the application can empty them all when it ends: the
// forms go before it, in the program as in the tests.
class FormRefBase {
  public:
    FormRefBase() { All().push_back(this); }
    virtual ~FormRefBase() { std::erase(All(), this); }
    FormRefBase(const FormRefBase&) = delete;
    FormRefBase& operator=(const FormRefBase&) = delete;
    // Drops every reference without unloading.
    static void ResetAll() {
        for (FormRefBase* r : All()) {
            r->Reset();
        }
    }
    virtual void Reset() = 0;

  private:
    static std::vector<FormRefBase*>& All() {
        static std::vector<FormRefBase*> all;
        return all;
    }
};

// The program's one global reference to a screen: using it creates and loads the screen
// when it is not loaded; unloading the screen empties it.
template <class F> class FormRef : public FormRefBase {
  public:
    F& operator*() { return Get(); }
    F* operator->() { return &Get(); }
    F& Get() {
        if (!form_) {
            std::shared_ptr<F> created = std::make_shared<F>();
            stillborn_.reset();
            form_ = created;
            created->OnRelease([this] { form_.reset(); });
            created->Load();
            // A form that unloaded itself while loading lives on until the next creation, so
            // that the reference returned here does not dangle.
            if (!form_) {
                stillborn_ = created;
                return *created;
            }
        }
        return *form_;
    }
    void Show(int mode = vbModeless) {
        F& form = Get();
        if (form.IsLoaded()) {
            form.Show(mode);
        }
    }
    bool Loaded() const { return form_ != nullptr; }
    // The instance, or nullptr; never creates one.
    F* Peek() const { return form_.get(); }
    void Reset() override {
        form_.reset();
        stillborn_.reset();
    }

  private:
    std::shared_ptr<F> form_;
    std::shared_ptr<F> stillborn_;
};

} // namespace ui
