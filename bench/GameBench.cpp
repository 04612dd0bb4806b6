// The game and the screens as a player runs them: a question laid out, drawn and on screen, a
// click on an answer up to its sound at the device, and the processor time of screens open.
#include "BenchSupport.h"
#include "Ponteiro.h"

#include "core/Globais.h"
#include "game/frmJogo.h"
#include "game/frmStatus.h"
#include "platform/Application.h"
#include "screens/frmIntro.h"
#include "screens/frmMenu.h"
#include "screens/frmNome.h"
#include "sound/Som.h"

#include <benchmark/benchmark.h>

#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <random>
#include <thread>

namespace {

using Relogio = std::chrono::steady_clock;

const std::string TEXTOS[] = {
    "Rio de Janeiro",
    "A capital que foi fundada no planalto central no ano de mil novecentos e sessenta",
    "Uma resposta de tamanho médio para a pergunta",
    "Resposta bem longa que obriga o ajuste a reduzir o tamanho da letra várias vezes seguidas"
    " até caber na linha",
};

// The game screen as a game opens it, with the music the intro opened, up to the first
// question's running countdown.
frmJogoForm& JogoNaTela(ui::Application& app) {
    AbreMusica("gamebgm", "");
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
    const auto programa = bench::Programa(std::move(backend));
    bench::Conteudo();
    frmJogoForm& jogo = JogoNaTela(*programa);
    int passo = 0;
    for (auto _ : state) {
        const std::string prefixo = std::to_string(passo++) + " ";
        jogo.lblPergunta.Caption(prefixo + "Qual destas cidades é a capital do país?");
        for (std::int16_t a = 1; a <= 4; ++a) {
            jogo.exibicao.PoeAlternativa(prefixo + TEXTOS[(a + passo) % 4], a);
        }
        if (naTela) {
            programa->Flush();
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

// Runs the event loop as the program does until `pronto` holds or `limiteMs` has passed;
// tells whether it held.
bool RodaAte(ui::Application& app, const std::function<bool()>& pronto, std::uint32_t limiteMs) {
    const std::uint32_t fim = app.Ticks() + limiteMs;
    app.SpinUntil([&] { return pronto() || static_cast<std::int32_t>(app.Ticks() - fim) >= 0; },
                  fim);
    return pronto();
}

void Roda(ui::Application& app, std::uint32_t ms) {
    RodaAte(
        app, [] { return false; }, ms);
}

// Where a control's middle lies on the screen: the window stands where its screen puts it, as
// no window manager moves it on the virtual display.
std::pair<int, int> NaTela(const ui::Control& controle) {
    float x = 0, y = 0;
    controle.OriginInForm(x, y);
    const ui::Form& tela = controle.OwnerForm();
    return {tela.Left() / ui::TWIPS_PER_PIXEL + static_cast<int>(x + controle.Width() / 2),
            tela.Top() / ui::TWIPS_PER_PIXEL + static_cast<int>(y + controle.Height() / 2)};
}

// Moves the pointer over a control and lets the program see it arrive, as a player's pointer
// comes before the click.
void PoeSobre(ui::Application& app, bench::Ponteiro& ponteiro, const ui::Control& controle) {
    const auto [x, y] = NaTela(controle);
    ponteiro.Move(x, y);
    Roda(app, 200);
}

// When the first non-silent sample of a sound is mixed for the device: the mixer hands each
// channel's samples to the channel's effects as it mixes them into the buffer it gives the
// device, so the music, which plays on no channel, does not count.
class OuvidoDoMixer {
  public:
    // From now on, on every channel.
    void Escuta() {
        ouvido_ = 0;
        for (int canal = 0; canal < Mix_AllocateChannels(-1); ++canal) {
            Mix_RegisterEffect(canal, &Ouve, nullptr, this);
        }
    }
    // The mixer drops a channel's effects when its sound ends; these go from the others.
    void Para() {
        for (int canal = 0; canal < Mix_AllocateChannels(-1); ++canal) {
            Mix_UnregisterEffect(canal, &Ouve);
        }
    }
    std::optional<Relogio::time_point> Ouviu() const {
        const Relogio::rep quando = ouvido_;
        if (quando == 0) {
            return std::nullopt;
        }
        return Relogio::time_point(Relogio::duration(quando));
    }

  private:
    static void Ouve(int, void* amostras, int bytes, void* dono) {
        const auto* inicio = static_cast<const Uint8*>(amostras);
        // Signed samples: silence is zero.
        if (std::any_of(inicio, inicio + bytes, [](Uint8 b) { return b != 0; })) {
            Relogio::rep nada = 0;
            static_cast<OuvidoDoMixer*>(dono)->ouvido_.compare_exchange_strong(
                nada, Relogio::now().time_since_epoch().count());
        }
    }
    std::atomic<Relogio::rep> ouvido_ = 0;
};

// Channels sounding now; a paused voice counts as playing for the mixer, but is silent.
int SonsTocando() {
    return Mix_Playing(-1) - Mix_Paused(-1);
}

// A click on an answer of the question on screen, with the music playing: from the moment the
// X server is given the click, while the program waits for input, to the moment the first
// non-silent sample of the click's effect is mixed into the buffer handed to the sound device.
// After each click the player answers no, untimed.
void BM_CliqueAteOSomX11(benchmark::State& state) {
    const auto programa = bench::Programa();
    ui::Application& app = *programa;
    bench::Conteudo();
    bench::Ponteiro ponteiro;
    if (!ponteiro) {
        state.SkipWithError("no X display with the test extension");
        return;
    }
    frmJogoForm& jogo = JogoNaTela(app);
    OuvidoDoMixer ouvido;
    // The click comes at no fixed phase of the mixer's period.
    std::minstd_rand sorteio(25);
    std::uniform_int_distribution<int> atrasoUs(20000, 40000);
    double maximo = 0;
    for (auto _ : state) {
        const auto emRepouso = [&] {
            return jogo.confirmacao.Acao == acao::NADA && SonsTocando() == 0;
        };
        if (!RodaAte(app, emRepouso, 10000)) {
            state.SkipWithError("the question never came to rest");
            break;
        }
        // The countdown would end the game between the clicks.
        jogo.cronometro.Tempo = 1;
        PoeSobre(app, ponteiro, jogo.lblResposta[1]);
        ouvido.Escuta();
        const auto atraso = std::chrono::microseconds(atrasoUs(sorteio));
        auto clique = std::async(std::launch::async, [&ponteiro, atraso] {
            std::this_thread::sleep_for(atraso);
            const auto quando = Relogio::now();
            ponteiro.Clica();
            return quando;
        });
        const bool ouviu = RodaAte(
            app, [&] { return ouvido.Ouviu() && jogo.confirmacao.Acao == acao::RESPOSTA; }, 5000);
        const Relogio::time_point clicou = clique.get();
        ouvido.Para();
        if (!ouviu) {
            state.SkipWithError("the click chose no answer or played no sound");
            break;
        }
        const double segundos = std::chrono::duration<double>(*ouvido.Ouviu() - clicou).count();
        state.SetIterationTime(segundos);
        maximo = std::max(maximo, segundos * 1000);
        PoeSobre(app, ponteiro, jogo.botao[1]);
        ponteiro.Clica();
    }
    frmJogo->Unload();
    state.counters["max_ms"] = maximo;
}
BENCHMARK(BM_CliqueAteOSomX11)->Unit(benchmark::kMillisecond)->Iterations(12)->UseManualTime();

// A screen opened and then left alone: after a second for what its opening starts (a screen's
// start timer, the music's synthesiser loading its sound font), the processor time of every
// thread (the mixer's included) over the wall-clock time of `segundos`, in which the screen
// must stay as `aberta` says.
void Ociosa(benchmark::State& state, const std::function<void(ui::Application&)>& abre,
            const std::function<bool()>& aberta) {
    const auto segundos = static_cast<std::uint32_t>(state.range(0));
    const auto programa = bench::Programa();
    ui::Application& app = *programa;
    bench::Conteudo();
    double cpu = 0, parede = 0;
    for (auto _ : state) {
        abre(app);
        Roda(app, 1000);
        const bench::MedidaCpu medida;
        Roda(app, segundos * 1000);
        cpu += medida.Cpu();
        parede += medida.Parede();
        if (!aberta()) {
            state.SkipWithError("the screen closed before the end of the measure");
            break;
        }
    }
    state.counters["cpu_pct"] = 100.0 * cpu / parede;
}

// The intro with its blinking heart and narration, the menu, the name entry with its blinking
// cursor, a question's countdown with the music playing, and the guests' help panel, asked for
// and confirmed, open with its shrinking bar over the countdown and the music.
void BM_IntroOciosaX11(benchmark::State& state) {
    Ociosa(
        state, [](ui::Application&) { frmIntro.Show(); }, [] { return frmIntro.Loaded(); });
}
void BM_MenuOciosoX11(benchmark::State& state) {
    Ociosa(
        state, [](ui::Application&) { frmMenu.Show(); }, [] { return frmMenu.Loaded(); });
}
void BM_NomeOciosoX11(benchmark::State& state) {
    Ociosa(
        state, [](ui::Application&) { frmNome.Show(); }, [] { return frmNome.Loaded(); });
}
bool Contando() {
    return frmJogo.Loaded() && frmJogo->cronometro.Timer_Tempo.Enabled() && Mix_PlayingMusic() != 0;
}
void BM_ContagemComMusicaX11(benchmark::State& state) {
    Ociosa(
        state, [](ui::Application& app) { JogoNaTela(app); }, Contando);
}
void BM_PainelAjudaX11(benchmark::State& state) {
    Ociosa(
        state,
        [](ui::Application& app) {
            frmJogoForm& jogo = JogoNaTela(app);
            jogo.ajudas.Ajuda_Click(1);
            jogo.confirmacao.AcaoBotao(0);
        },
        [] { return Contando() && frmJogo->pic_Ajuda.Visible(); });
}

// The status screen over its life: climbing the ladder to question 6, blinking there and
// speaking its value, from its opening to the last look at it, after a round of the event
// loop, before it closes by itself; the round that closes it is not counted.
void BM_StatusX11(benchmark::State& state) {
    const auto programa = bench::Programa();
    ui::Application& app = *programa;
    bench::Conteudo();
    double cpu = 0, parede = 0;
    for (auto _ : state) {
        NovoJogo = FALSO;
        NumPergunta = 6;
        const bench::MedidaCpu medida;
        frmStatus.Show();
        double cpuAberta = 0, paredeAberta = 0;
        const bool fechou = RodaAte(
            app,
            [&] {
                if (!frmStatus.Loaded()) {
                    return true;
                }
                cpuAberta = medida.Cpu();
                paredeAberta = medida.Parede();
                return false;
            },
            15000);
        if (!fechou) {
            state.SkipWithError("the status screen did not close by itself");
            break;
        }
        cpu += cpuAberta;
        parede += paredeAberta;
    }
    state.counters["cpu_pct"] = 100.0 * cpu / parede;
    state.counters["aberta_s"] = parede / static_cast<double>(state.iterations());
}

BENCHMARK(BM_StatusX11)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
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
