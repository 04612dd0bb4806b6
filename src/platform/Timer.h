// A timer that ticks on the UI thread.
#pragma once

#include "platform/Control.h"

#include <cstdint>

namespace ui {

class Form;

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

} // namespace ui
