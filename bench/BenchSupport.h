// What the benchmarks share: the program as a player runs it (the real backend on the X
// display, sound mixed in real time, the generated content), the real backend without a
// display for comparison, and the processor time of the whole process.
#pragma once

#include "platform/Application.h"
#include "platform/Backend.h"
#include "platform/Form.h"

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

namespace bench {

// The real backend without a display, where drawing and asking for events cost nothing.
std::unique_ptr<ui::Backend> DummySdl();
// The real backend on the X display (`make bench` starts a virtual one), sound through SDL's
// disk driver, which mixes in real time into /dev/null.
std::unique_ptr<ui::Backend> X11Sdl();
// The program with `backend` and the mixer with its synthesiser, open on the sound driver the
// backend chose: by default, as a player runs it, on the X display (or with a wrapper of it).
std::unique_ptr<ui::Application> Programa(std::unique_ptr<ui::Backend> backend = X11Sdl());
// The generated content as the program folder, and the state start-up gives.
void Conteudo();
// A program folder of its own named `nome` in the temporary folder, as a player's copy of the
// game: links to every file and folder of the generated one (pictures, effects, music,
// narration, questions), but none to a settings file, so the program starts from its defaults
// and writes its settings there.
std::filesystem::path PastaDoJogo(const std::string& nome);
// Processor time of every thread of the process (the mixer's included) and wall-clock time,
// in seconds, since the measure began.
class MedidaCpu {
  public:
    MedidaCpu();
    double Cpu() const;
    double Parede() const;

  private:
    double cpu0_;
    std::chrono::steady_clock::time_point parede0_ = std::chrono::steady_clock::now();
};
// A screen on the window, so that the window system has a window to talk about; it stays
// while the caller keeps it.
std::shared_ptr<ui::Form> JanelaAberta(ui::Application& app);

} // namespace bench
