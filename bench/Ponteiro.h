// The pointer as the X server's test extension moves and presses it: the window system hands
// these events to the window under the pointer as it does a person's.
#pragma once

#include <memory>

struct _XDisplay;

namespace bench {

class Ponteiro {
  public:
    // A connection of its own to the X display; empty without one or without the extension.
    Ponteiro();
    ~Ponteiro();
    Ponteiro(const Ponteiro&) = delete;
    Ponteiro& operator=(const Ponteiro&) = delete;

    explicit operator bool() const { return display_ != nullptr; }
    // To a place on the screen, in pixels.
    void Move(int x, int y);
    // The left button pressed and released where the pointer is.
    void Clica();

  private:
    struct Fecha {
        void operator()(_XDisplay* display) const;
    };
    std::unique_ptr<_XDisplay, Fecha> display_;
};

} // namespace bench
