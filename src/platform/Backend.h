// What the application needs of a window system: a clock, input, drawing, message boxes and
// pointers. The real program uses SDL; the tests use a headless backend with a virtual clock.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ui {

class Form;
class MessageDialog;
class Picture;

struct InputEvent {
    enum class Kind { MouseMove, MouseDown, MouseUp, KeyDown, KeyPress, Restored, Quit };
    Kind kind = Kind::MouseMove;
    // Pixels of the window's client area: where a press or release was made; for a move, the
    // pointer's place now (PlaceMouseEvent).
    float x = 0, y = 0;
    int button = 0; // the button pressed or released; for moves, the buttons held (bits)
    int shift = 0;  // 1 shift, 2 ctrl, 4 alt
    int key = 0;    // virtual-key code (KeyDown) or character code (KeyPress)
    // The pointer on the screen, in pixels, when the backend knows it: a drag moves the window
    // between events, and only this place is independent of where the window stood.
    bool onScreen = false;
    float screenX = 0, screenY = 0;
};

// The pointer's place now, as the window system has it.
struct PointerPlace {
    float x = 0, y = 0; // in the window's client area, where the window stands now
    float screenX = 0, screenY = 0;
};

// How a backend hands a mouse event on, given the pointer's place now: a press or release
// where it was made, however the pointer moved while it waited in the queue (a waited sound
// holds it back); a move at the place now, since a drag moves the window between the events.
inline void PlaceMouseEvent(InputEvent& event, const PointerPlace& now) {
    event.onScreen = true;
    event.screenX = now.screenX;
    event.screenY = now.screenY;
    if (event.kind == InputEvent::Kind::MouseMove) {
        event.x = now.x;
        event.y = now.y;
    }
}

struct ScreenArea {
    int x = 0, y = 0, w = 0, h = 0;
    bool operator==(const ScreenArea&) const = default;
};

// What a frame redraws, in pixels of the window's client area: everything, or only the areas.
struct Damage {
    bool whole = false;
    std::vector<ScreenArea> areas;
    bool Empty() const { return !whole && areas.empty(); }
};

// Pointer codes as the screens use them.
enum PointerCode {
    vbDefault = 0,
    vbArrow = 1,
    vbUpArrow = 10,
    vbHourglass = 11,
    vbCustom = 99,
};

// Message-box styles and answers.
enum MsgBoxStyle { vbOKOnly = 0, vbAbortRetryIgnore = 2, vbExclamation = 48, vbInformation = 64 };
enum MsgBoxResult { vbOK = 1, vbAbort = 3, vbRetry = 4, vbIgnore = 5 };

class Backend {
  public:
    virtual ~Backend() = default;

    // Milliseconds since some start, wrapping at 2^32.
    virtual std::uint32_t Ticks() = 0;
    virtual bool PollEvent(InputEvent& event) = 0;
    // Sleeps until input may be pending or the timeout has passed.
    virtual void WaitEvent(std::uint32_t timeoutMs) = 0;
    // Wakes a WaitEvent from another thread.
    virtual void Wake() = 0;
    // Whether the program's end was asked for (a signal, the window closed), handling none
    // of the input that waits.
    virtual bool QuitRequested() = 0;
    // Puts the last presented frame back where the window system lost it (a part uncovered),
    // handling none of the input that waits. Nothing is lost without a window system.
    virtual void RepaintExposed() {}

    // Draws the topmost visible form (or a blank window when there is none) and over it the
    // open message box, if any, with its pressed button (an answer, or 0), within `damage`.
    virtual void Present(Form* top, const MessageDialog* box, int pressed,
                         const Damage& damage) = 0;
    // A message box opens: the window is made ready for it. Gives the width and height of
    // the client area the box is laid out in. The application then runs the box, feeding it
    // the input events this backend delivers.
    virtual void OpenMessage(const std::string& text, int style, const std::string& title,
                             int& clientW, int& clientH) = 0;
    // The box was answered: what remains of the keystroke that answered it is dropped, so
    // that its text does not reach the screen beneath.
    virtual void CloseMessage() = 0;
    // code is a PointerCode; icon/hotspot give the picture of code 99 when there is one.
    virtual void SetPointer(int code, const Picture* icon, int hotX, int hotY) = 0;

    virtual int ScreenWidthPx() = 0;
    virtual int ScreenHeightPx() = 0;
    // The desktop's displays in screen pixels, the primary first.
    virtual std::vector<ScreenArea> Displays() {
        return {{0, 0, ScreenWidthPx(), ScreenHeightPx()}};
    }
};

} // namespace ui
