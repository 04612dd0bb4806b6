// Plays one whole winning game on the real program with all its content (pictures, effects,
// music, narration), on the X display with sound mixed in real time, as a player would (Enter
// through the intro and the menu, a name, sixteen right answers each confirmed with yes) up to
// the score board, then prints the process's peak memory.
#include "BenchSupport.h"

#include "core/Globais.h"
#include "game/frmJogo.h"
#include "game/frmStatus.h"
#include "program/Inicio.h"
#include "screens/frmIntro.h"
#include "screens/frmMenu.h"
#include "screens/frmNome.h"
#include "screens/frmPlacar.h"

#include <chrono>
#include <cstdio>
#include <deque>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

using Relogio = std::chrono::steady_clock;

// The real backend with a player in front of it: the player's input comes first.
class Jogador : public ui::Backend {
  public:
    explicit Jogador(std::unique_ptr<ui::Backend> real) : real_(std::move(real)) {}

    // What the player does next: `faz` once `quando` holds and a moment has passed since the
    // last thing done, again every second until `feito` holds (a screen in its transition
    // ignores keys).
    struct Passo {
        std::function<bool()> quando;
        std::function<void(Jogador&)> faz;
        std::function<bool()> feito;
    };
    std::deque<Passo> passos;

    void Tecla(int key) { input_.push_back({ui::InputEvent::Kind::KeyDown, 0, 0, 0, 0, key}); }
    // A key that types a character, as the real backend sends it: its key-down, then the
    // character, which goes to the screen that took the key-down.
    void Caractere(int code) {
        Tecla(code);
        input_.push_back({ui::InputEvent::Kind::KeyPress, 0, 0, 0, 0, code});
    }
    void Clica(float x, float y) {
        input_.push_back({ui::InputEvent::Kind::MouseMove, x, y, 0, 0, 0});
        input_.push_back({ui::InputEvent::Kind::MouseDown, x, y, 1, 0, 0});
        input_.push_back({ui::InputEvent::Kind::MouseUp, x, y, 1, 0, 0});
    }

    std::uint32_t Ticks() override { return real_->Ticks(); }
    bool PollEvent(ui::InputEvent& event) override {
        Joga();
        if (!input_.empty()) {
            event = input_.front();
            input_.pop_front();
            return true;
        }
        return real_->PollEvent(event);
    }
    // Wakes often enough for the player to act.
    void WaitEvent(std::uint32_t timeoutMs) override {
        if (input_.empty()) {
            real_->WaitEvent(std::min<std::uint32_t>(timeoutMs, 50));
        }
    }
    void Wake() override { real_->Wake(); }
    bool QuitRequested() override { return real_->QuitRequested(); }
    void Present(ui::Form* top, const ui::MessageDialog* box, int pressed,
                 const ui::Damage& damage) override {
        real_->Present(top, box, pressed, damage);
    }
    void OpenMessage(const std::string& text, int style, const std::string& title, int& clientW,
                     int& clientH) override {
        real_->OpenMessage(text, style, title, clientW, clientH);
    }
    void CloseMessage() override { real_->CloseMessage(); }
    void SetPointer(int code, const ui::Picture* icon, int hotX, int hotY) override {
        real_->SetPointer(code, icon, hotX, hotY);
    }
    int ScreenWidthPx() override { return real_->ScreenWidthPx(); }
    int ScreenHeightPx() override { return real_->ScreenHeightPx(); }
    std::vector<ui::ScreenArea> Displays() override { return real_->Displays(); }

  private:
    void Joga() {
        // A game that is stuck ends the run instead of holding `make bench`.
        if (Relogio::now() - inicio_ > std::chrono::minutes(15)) {
            ui::App().End(1);
        }
        if (!passos.empty() && agiu_ && passos.front().feito()) {
            passos.pop_front();
            agiu_ = false;
        }
        const auto pausa = std::chrono::milliseconds(agiu_ ? 1000 : 400);
        if (passos.empty() || Relogio::now() - ultimo_ < pausa || !passos.front().quando()) {
            return;
        }
        ultimo_ = Relogio::now();
        agiu_ = true;
        passos.front().faz(*this);
    }

    std::unique_ptr<ui::Backend> real_;
    std::deque<ui::InputEvent> input_;
    Relogio::time_point ultimo_ = Relogio::now();
    bool agiu_ = false;
    const Relogio::time_point inicio_ = Relogio::now();
};

bool Perguntando(int numero) {
    return NumPergunta == numero && frmJogo.Loaded() && !frmStatus.Loaded() &&
           frmJogo->cronometro.Timer_Tempo.Enabled();
}

// Stage pixel (x, y) of the game screen, clicked.
void ClicaNoPalco(Jogador& jogador, float x, float y) {
    float ox = 0, oy = 0;
    frmJogo->Picture_Center.OriginInForm(ox, oy);
    jogador.Clica(ox + x, oy + y);
}

long PicoKiB() {
    std::ifstream status("/proc/self/status");
    std::string linha;
    while (std::getline(status, linha)) {
        if (linha.rfind("VmHWM:", 0) == 0) {
            return std::stol(linha.substr(6));
        }
    }
    return 0;
}

} // namespace

int main() {
    // A program folder of its own: no settings a player left in the build's folder change the
    // game, and any the game writes stay there.
    const std::string pasta = bench::PastaDoJogo("qv-whole-game").string() + "/";
    PastaDoExecutavel = [pasta] { return pasta; };

    auto dono = std::make_unique<Jogador>(bench::X11Sdl());
    Jogador& jogador = *dono;
    constexpr float ALTURA_RESPOSTA[5] = {0, 182, 223, 264, 304};
    auto& passos = jogador.passos;
    passos.push_back({[] { return frmIntro.Loaded(); }, [](Jogador& j) { j.Caractere(13); },
                      [] { return !frmIntro.Loaded(); }});
    passos.push_back({[] { return frmMenu.Loaded(); }, [](Jogador& j) { j.Tecla(13); },
                      [] { return frmNome.Loaded(); }});
    passos.push_back({[] { return frmNome.Loaded(); },
                      [](Jogador& j) {
                          for (const char c : std::string("ANA")) {
                              j.Tecla(c);
                          }
                          j.Tecla(13);
                      },
                      [] { return !frmNome.Loaded(); }});
    for (int n = 1; n <= 16; ++n) {
        const auto seguiu = [n] { return NumPergunta > n || !frmJogo.Loaded(); };
        passos.push_back(
            {[n] { return Perguntando(n) && frmJogo->confirmacao.Acao == acao::NADA; },
             [&ALTURA_RESPOSTA](Jogador& j) {
                 const auto certa =
                     AlternativaCerta[static_cast<std::size_t>(frmJogo->PerguntaAtual)];
                 ClicaNoPalco(j, 100, ALTURA_RESPOSTA[certa]);
             },
             [seguiu] { return seguiu() || frmJogo->confirmacao.Acao == acao::RESPOSTA; }});
        passos.push_back(
            {[n] { return Perguntando(n) && frmJogo->confirmacao.Acao == acao::RESPOSTA; },
             [](Jogador& j) { ClicaNoPalco(j, 152, 400); }, seguiu});
    }
    bool chegou = false;
    passos.push_back({[] { return frmPlacar.Loaded(); },
                      [&chegou](Jogador&) {
                          chegou = true;
                          ui::App().End(0);
                      },
                      [] { return true; }});

    const auto inicio = Relogio::now();
    const auto programa = bench::Programa(std::move(dono));
    programa->Run(Main);
    const double segundos = std::chrono::duration<double>(Relogio::now() - inicio).count();
    if (!chegou) {
        std::printf("whole game: the score board never came (%.0f s)\n", segundos);
        return 1;
    }
    std::printf("whole game: peak memory %ld MiB through a winning game of %.0f s\n",
                PicoKiB() / 1024, segundos);
    return 0;
}
