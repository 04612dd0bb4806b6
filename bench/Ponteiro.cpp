#include "Ponteiro.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace bench {

void Ponteiro::Fecha::operator()(_XDisplay* display) const {
    XCloseDisplay(display);
}

Ponteiro::Ponteiro() : display_(XOpenDisplay(nullptr)) {
    int evento = 0, erro = 0, maior = 0, menor = 0;
    if (display_ && !XTestQueryExtension(display_.get(), &evento, &erro, &maior, &menor)) {
        display_.reset();
    }
}

Ponteiro::~Ponteiro() = default;

void Ponteiro::Move(int x, int y) {
    XTestFakeMotionEvent(display_.get(), -1, x, y, CurrentTime);
    XFlush(display_.get());
}

void Ponteiro::Clica() {
    XTestFakeButtonEvent(display_.get(), 1, True, CurrentTime);
    XTestFakeButtonEvent(display_.get(), 1, False, CurrentTime);
    XFlush(display_.get());
}

} // namespace bench
