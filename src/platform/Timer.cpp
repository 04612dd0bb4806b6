#include "platform/Timer.h"

#include "platform/Application.h"
#include "platform/Form.h"

namespace ui {

Timer::Timer(Form& owner, int interval) : owner_(owner), interval_(interval) {
    owner_.AddTimer(this);
}

Timer::~Timer() {
    owner_.RemoveTimer(this);
    App().RemoveTimer(this);
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
