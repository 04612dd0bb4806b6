// What posted work and completion events are addressed to: a form, a control or a player.
// The address is weak, so that work for a receiver that has gone is dropped.
#pragma once

#include <memory>

namespace ui {

class Form;

class Receiver {
  public:
    Receiver() = default;
    virtual ~Receiver() = default;
    Receiver(const Receiver&) = delete;
    Receiver& operator=(const Receiver&) = delete;

    // Expires when the receiver is destroyed; may be copied on any thread, locked on the UI
    // thread only.
    std::weak_ptr<Receiver> Address() const { return self_; }
    // The form whose handler the work runs as.
    virtual Form& HandlerForm() = 0;

  protected:
    const std::shared_ptr<Receiver>& Self() const { return self_; }

  private:
    // Owns nothing: it only tells its weak copies that the receiver has gone.
    std::shared_ptr<Receiver> self_{this, [](Receiver*) {}};
};

} // namespace ui
