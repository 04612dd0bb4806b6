// The game screen on the real backend without a display: laying out a question with its
// answers, a click on an answer up to its sound, and a question's countdown with the music.
#include "core/Globais.h"
#include "core/Pastas.h"
#include "game/frmJogo.h"
#include "platform/Application.h"
#include "platform/sdl/SdlAudio.h"
#include "platform/sdl/SdlBackend.h"
#include "program/Inicio.h"
#include "sound/Som.h"

#include <benchmark/benchmark.h>

#include <SDL_mixer.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <sys/resource.h>

namespace {

using Relogio = std::chrono::steady_clock;

std::unique_ptr<ui::Backend> DummySdl() {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    return std::make_unique<ui::SdlBackend>();
}

// The generated content as the program folder.
void Conteudo() {
    PastaDoExecutavel = [] { return std::string(QV_GAME_DIR) + "/"; };
    InicializaGlobais();
    DefinePastas();
    ValoresPadrao();
}

const std::string TEXTOS[] = {
    "Rio de Janeiro",
    "A capital que foi fundada no planalto central no ano de mil novecentos e sessenta",
    "Uma resposta de tamanho médio para a pergunta",
    "Resposta bem longa que obriga o ajuste a reduzir o tamanho da letra várias vezes seguidas"
    " até caber na linha",
};

// The question and the four answers written and fitted; each pass writes other texts, so
// nothing is taken from the previous pass.
void BM_PoePerguntaSdlDummy(benchmark::State& state) {
    ui::Application app(DummySdl());
    Conteudo();
    const auto jogo = std::make_shared<frmJogoForm>();
    jogo->layout.MontaTela();
    int passo = 0;
    for (auto _ : state) {
        const std::string sufixo = " " + std::to_string(passo++ % 50);
        jogo->lblPergunta.Caption("Qual destas cidades é a capital do país?" + sufixo);
        for (std::int16_t a = 1; a <= 4; ++a) {
            jogo->exibicao.PoeAlternativa(TEXTOS[(a + passo) % 4] + sufixo, a);
        }
    }
}
BENCHMARK(BM_PoePerguntaSdlDummy)->Unit(benchmark::kMillisecond);

// Records when the program hands an effect to the mixer.
class AudioCronometrado : public ui::Audio {
  public:
    explicit AudioCronometrado(std::unique_ptr<ui::Audio> real) : real_(std::move(real)) {}
    void PlayEffect(const std::string& path, int flags) override {
        entregue = Relogio::now();
        real_->PlayEffect(path, flags);
    }
    bool WaitEffect(std::uint32_t maxMs) override { return real_->WaitEffect(maxMs); }
    std::unique_ptr<ui::Voice> NewVoice(const std::string& name,
                                        std::function<void()> ended) override {
        return real_->NewVoice(name, std::move(ended));
    }
    Relogio::time_point entregue;

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

// A click on an answer, from its dispatch to the effect reaching the mixer, plus the time the
// mixer's buffer takes to play out; the rest of the click (its wait for the effect, the
// confirmation) is not timed.
void BM_CliqueAteOSomSdlDummy(benchmark::State& state) {
    auto audio = std::make_unique<AudioCronometrado>(ui::OpenSdlAudio());
    AudioCronometrado& cronometro = *audio;
    ui::Application app(DummySdl(), std::move(audio));
    Conteudo();
    const auto jogo = std::make_shared<frmJogoForm>();
    jogo->layout.MontaTela();
    double total = 0;
    for (auto _ : state) {
        jogo->confirmacao.Acao = 0;
        const auto inicio = Relogio::now();
        {
            ui::HandlerScope scope(*jogo);
            jogo->lblResposta[1].Click();
        }
        total += std::chrono::duration<double, std::milli>(cronometro.entregue - inicio).count();
    }
    const double mixer = LatenciaMixerMs();
    state.counters["ate_o_mixer_ms"] = total / static_cast<double>(state.iterations());
    state.counters["buffer_ms"] = mixer;
    state.counters["clique_ao_som_ms"] = total / static_cast<double>(state.iterations()) + mixer;
}
BENCHMARK(BM_CliqueAteOSomSdlDummy)->Unit(benchmark::kMillisecond)->Iterations(20);

double CpuSegundos() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    const auto s = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
    };
    return s(uso.ru_utime) + s(uso.ru_stime);
}

// The game screen from its load to a running countdown, then `segundos` of that countdown with
// the music playing: the processor time of every thread (the mixer's included) over the
// wall-clock time.
void BM_ContagemComMusicaSdlDummy(benchmark::State& state) {
    const auto segundos = static_cast<std::uint32_t>(state.range(0));
    ui::Application app(DummySdl(), ui::OpenSdlAudio());
    Conteudo();
    AbreMusica("gamebgm", "");
    NumPergunta = 1;
    double cpu = 0, parede = 0;
    for (auto _ : state) {
        frmJogo.Show();
        while (!frmJogo->cronometro.Timer_Tempo.Enabled()) {
            app.DoEvents();
            app.Idle(10);
        }
        const double cpu0 = CpuSegundos();
        const auto parede0 = Relogio::now();
        const std::uint32_t fim = app.Ticks() + segundos * 1000;
        while (static_cast<std::int32_t>(fim - app.Ticks()) > 0) {
            app.DoEvents();
            app.Idle(fim - app.Ticks());
        }
        cpu += CpuSegundos() - cpu0;
        parede += std::chrono::duration<double>(Relogio::now() - parede0).count();
        frmJogo->Unload();
    }
    state.counters["cpu_pct"] = 100.0 * cpu / parede;
}
BENCHMARK(BM_ContagemComMusicaSdlDummy)
    ->Arg(10)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();

} // namespace
