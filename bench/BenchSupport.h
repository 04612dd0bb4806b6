// What the benchmarks share: the real backend with or without a display, the generated
// content, and the processor time of the whole process.
#pragma once

#include "platform/Application.h"
#include "platform/Backend.h"
#include "platform/Form.h"

#include <memory>

namespace bench {

// The real backend without a display, where drawing and asking for events cost nothing.
std::unique_ptr<ui::Backend> DummySdl();
// The real backend on the X display (`make bench` starts a virtual one), sound through SDL's
// disk driver, which mixes in real time into /dev/null.
std::unique_ptr<ui::Backend> X11Sdl();
// The generated content as the program folder, and the state start-up gives.
void Conteudo();
// Processor time of every thread of the process, in seconds.
double CpuSegundos();
// A screen on the window, so that the window system has a window to talk about; it stays
// while the caller keeps it.
std::shared_ptr<ui::Form> JanelaAberta(ui::Application& app);

} // namespace bench
