// The game and the screens on the real backend: a question laid out, drawn and on screen, a
// click on an answer up to its sound, and the processor time of screens left idle.
#include "BenchSupport.h"

#include "core/Globais.h"
#include "game/frmJogo.h"
#include "game/frmStatus.h"
#include "platform/Application.h"
#include "platform/sdl/SdlAudio.h"
#include "screens/frmIntro.h"
#include "screens/frmMenu.h"
#include "screens/frmNome.h"
#include "sound/Som.h"

#include <benchmark/benchmark.h>

#include <SDL_mixer.h>

#include <chrono>
#include <functional>
#include <memory>
#include <vector>

namespace {

using Relogio = std::chrono::steady_clock;

const std::string TEXTOS[] = {
    "Rio de Janeiro",
    "A capital que foi fundada no planalto central no ano de mil novecentos e sessenta",
    "Uma resposta de tamanho médio para a pergunta",
    "Resposta bem longa que obriga o ajuste a reduzir o tamanho da letra várias vezes seguidas"
    " até caber na linha",
};

// The game screen as a game opens it, up to the first question's running countdown.
frmJogoForm& JogoNaTela(ui::Application& app) {
    NumPergunta = 1;
    frmJogo.Show();
    while (!frmJogo->cronometro.Timer_Tempo.Enabled()) {
        app.DoEvents();
        app.Idle(10);
    }
    return *frmJogo;
}

// The question and the four answers written and fitted; each pass writes other texts, each
// starting with the pass's number, so that no measurement of a previous pass serves again. With
// `naTela` the frame is also drawn and presented.
void PoePergunta(benchmark::State& state, std::unique_ptr<ui::Backend> backend, bool naTela) {
    ui::Application app(std::move(backend), ui::OpenSdlAudio());
    bench::Conteudo();
    frmJogoForm& jogo = JogoNaTela(app);
    int passo = 0;
    for (auto _ : state) {
        const std::string prefixo = std::to_string(passo++) + " ";
        jogo.lblPergunta.Caption(prefixo + "Qual destas cidades é a capital do país?");
        for (std::int16_t a = 1; a <= 4; ++a) {
            jogo.exibicao.PoeAlternativa(prefixo + TEXTOS[(a + passo) % 4], a);
        }
        if (naTela) {
            app.Flush();
        }
    }
    frmJogo->Unload();
}

void BM_AjustaPerguntaSdlDummy(benchmark::State& state) {
    PoePergunta(state, bench::DummySdl(), false);
}
BENCHMARK(BM_AjustaPerguntaSdlDummy)->Unit(benchmark::kMillisecond);

void BM_PerguntaNaTelaX11(benchmark::State& state) {
    PoePergunta(state, bench::X11Sdl(), true);
}
BENCHMARK(BM_PerguntaNaTelaX11)->Unit(benchmark::kMillisecond);

// Records when the program hands each effect to the mixer.
class AudioCronometrado : public ui::Audio {
  public:
    explicit AudioCronometrado(std::unique_ptr<ui::Audio> real) : real_(std::move(real)) {}
    void PlayEffect(const std::string& path, int flags) override {
        entregas.push_back(Relogio::now());
        real_->PlayEffect(path, flags);
    }
    bool WaitEffect(std::uint32_t maxMs) override { return real_->WaitEffect(maxMs); }
    std::unique_ptr<ui::Voice> NewVoice(const std::string& name,
                                        std::function<void()> ended) override {
        return real_->NewVoice(name, std::move(ended));
    }
    std::vector<Relogio::time_point> entregas;

  private:
    std::unique_ptr<ui::Audio> real_;
};

double LatenciaMixerMs() {
    int frequencia = 0, canais = 0;
    Uint16 formato = 0;
    if (Mix_QuerySpec(&frequencia, &formato, &canais) == 0 || frequencia == 0) {
        return 0;
    }
    // The device buffer the mixer was opened with, in frames.
    constexpr double QUADROS = 512;
    return 1000.0 * QUADROS / frequencia;
}

// A click on an answer of the question on screen, from its dispatch to the effect reaching
// the mixer, plus the time the mixer's buffer takes to play out; the rest of the click (its
// wait for the effect, the confirmation) is not timed.
void BM_CliqueAteOSomX11(benchmark::State& state) {
    // The backend first: it chooses the sound driver the mixer opens.
    auto backend = bench::X11Sdl();
    auto audio = std::make_unique<AudioCronometrado>(ui::OpenSdlAudio());
    AudioCronometrado& cronometro = *audio;
    ui::Application app(std::move(backend), std::move(audio));
    bench::Conteudo();
    frmJogoForm& jogo = JogoNaTela(app);
    double total = 0;
    for (auto _ : state) {
        jogo.confirmacao.Acao = 0;
        const std::size_t antes = cronometro.entregas.size();
        const auto inicio = Relogio::now();
        {
            ui::HandlerScope scope(jogo);
            jogo.lblResposta[1].Click();
        }
        if (cronometro.entregas.size() == antes) {
            state.SkipWithError("the click played no effect");
            break;
        }
        // The click's own effect: the confirmation plays another after it.
        total +=
            std::chrono::duration<double, std::milli>(cronometro.entregas[antes] - inicio).count();
    }
    frmJogo->Unload();
    const double mixer = LatenciaMixerMs();
    const auto vezes = static_cast<double>(state.iterations());
    state.counters["ate_o_mixer_ms"] = total / vezes;
    state.counters["buffer_ms"] = mixer;
    state.counters["clique_ao_som_ms"] = total / vezes + mixer;
}
BENCHMARK(BM_CliqueAteOSomX11)->Unit(benchmark::kMillisecond)->Iterations(10);

// Runs the event loop for `ms` as the program does.
void Roda(ui::Application& app, std::uint32_t ms) {
    const std::uint32_t fim = app.Ticks() + ms;
    while (static_cast<std::int32_t>(fim - app.Ticks()) > 0) {
        app.DoEvents();
        app.Idle(fim - app.Ticks());
    }
}

// A screen opened and then left alone: after a second for what its opening starts (a screen's
// start timer, the music's synthesiser loading its sound font), the processor time of every
// thread (the mixer's included) over the wall-clock time of `segundos`.
void Ociosa(benchmark::State& state, const std::function<void(ui::Application&)>& abre) {
    const auto segundos = static_cast<std::uint32_t>(state.range(0));
    auto backend = bench::X11Sdl(); // first: it chooses the sound driver the mixer opens
    ui::Application app(std::move(backend), ui::OpenSdlAudio());
    bench::Conteudo();
    double cpu = 0, parede = 0;
    for (auto _ : state) {
        abre(app);
        Roda(app, 1000);
        const double cpu0 = bench::CpuSegundos();
        const auto parede0 = Relogio::now();
        Roda(app, segundos * 1000);
        cpu += bench::CpuSegundos() - cpu0;
        parede += std::chrono::duration<double>(Relogio::now() - parede0).count();
    }
    state.counters["cpu_pct"] = 100.0 * cpu / parede;
}

// The intro with its blinking heart and narration, the menu, the name entry with its blinking
// cursor, and a question's countdown with the music playing.
void BM_IntroOciosaX11(benchmark::State& state) {
    Ociosa(state, [](ui::Application&) { frmIntro.Show(); });
}
void BM_MenuOciosoX11(benchmark::State& state) {
    Ociosa(state, [](ui::Application&) { frmMenu.Show(); });
}
void BM_NomeOciosoX11(benchmark::State& state) {
    Ociosa(state, [](ui::Application&) { frmNome.Show(); });
}
void BM_ContagemComMusicaX11(benchmark::State& state) {
    Ociosa(state, [](ui::Application& app) {
        AbreMusica("gamebgm", "");
        JogoNaTela(app);
    });
}
// The status screen climbing the ladder to question 6 and speaking its value, for as long as
// it stays; and the guests' help panel, asked for and confirmed, open with its shrinking bar
// over a running countdown (without music).
void BM_StatusX11(benchmark::State& state) {
    Ociosa(state, [](ui::Application&) {
        NovoJogo = FALSO;
        NumPergunta = 6;
        frmStatus.Show();
    });
}
void BM_PainelAjudaX11(benchmark::State& state) {
    Ociosa(state, [](ui::Application& app) {
        frmJogoForm& jogo = JogoNaTela(app);
        jogo.ajudas.Ajuda_Click(1);
        jogo.confirmacao.AcaoBotao(0);
    });
}
BENCHMARK(BM_StatusX11)->Arg(3)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_PainelAjudaX11)->Arg(5)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_IntroOciosaX11)->Arg(5)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_MenuOciosoX11)->Arg(5)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_NomeOciosoX11)->Arg(5)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_ContagemComMusicaX11)
    ->Arg(5)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();

} // namespace
