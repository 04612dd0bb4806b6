// A game on the generated content, played as a player does: the stage's places, answers,
// the yes, no and stop buttons, and what was heard.
#pragma once

#include "core/Figuras.h"
#include "core/Globais.h"
#include "core/Pastas.h"
#include "game/frmJogo.h"
#include "game/frmStatus.h"
#include "platform/headless/HeadlessAudio.h"
#include "program/Inicio.h"
#include "support/Headless.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace gametest {

// Runs `acao` at every pass of the event loop, before the game's own timers, advancing the
// virtual clock by a millisecond each time as real time would pass: a handler that waits or
// shuffles then sees time go by, and a test can make a tick fall due at an exact point.
class Relogio {
  public:
    explicit Relogio(ui::HeadlessBackend& backend) : backend_(backend) {
        timer_.Tick = [this] {
            backend_.Advance(1);
            if (acao) {
                acao();
            }
        };
        timer_.Enabled(true);
    }
    std::function<void()> acao;

  private:
    ui::HeadlessBackend& backend_;
    std::shared_ptr<ui::Form> dono_ = std::make_shared<ui::Form>();
    ui::Timer timer_{*dono_, 1};
};

class Jogo : public testing_support::HeadlessTest {
  protected:
    Jogo() {
        PastaDoExecutavel = [] { return std::string(QV_GAME_DIR) + "/"; };
        EXPECT_TRUE(Step([] {
            InicializaGlobais();
            DefinePastas();
            ValoresPadrao();
        }));
    }

    // The game screen of this game, kept to look at after it has closed.
    frmJogoForm& J() { return *jogo_; }

    // The game screen as the status screen opens it for a new game, up to the first
    // question's countdown start, which is then the clock's reading. The status screen
    // between questions is closed as soon as it shows.
    void Comeca() {
        NumPergunta = 1;
        NovoJogo = VERDADEIRO;
        fechaStatus_ = std::make_unique<ui::Timer>(*dono_, 5);
        fechaStatus_->Tick = [this] {
            if (fechaStatus && frmStatus.Loaded()) {
                ++statusVistos;
                frmStatus->Unload();
            }
        };
        fechaStatus_->Enabled(true);
        ASSERT_TRUE(Step([] { frmJogo.Show(); }));
        jogo_ = std::static_pointer_cast<frmJogoForm>(frmJogo.Peek()->shared_from_this());
        ASSERT_TRUE(RunFor(1000));
        ASSERT_TRUE(frmJogo.Loaded());
        ASSERT_TRUE(J().cronometro.Timer_Tempo.Enabled());
        inicioTempo = backend().Ticks();
    }

    // Stage pixel in pixels of the window's client area.
    std::pair<float, float> NoPalco(float x, float y) {
        float ox = 0, oy = 0;
        J().Picture_Center.OriginInForm(ox, oy);
        return {ox + x, oy + y};
    }
    void Move(float x, float y, int botoes = 0) {
        const auto [wx, wy] = NoPalco(x, y);
        MoveTo(wx, wy, botoes);
    }
    void Clica(float x, float y) {
        const auto [wx, wy] = NoPalco(x, y);
        Click(wx, wy);
    }

    static constexpr float ALTURA_RESPOSTA[5] = {0, 182, 223, 264, 304};
    void ClicaResposta(int i) {
        Clica(100, ALTURA_RESPOSTA[i]);
        RunFor(1);
    }
    void ClicaSim() { ClicaBotao(0); }
    void ClicaNao() { ClicaBotao(1); }
    void ClicaParar() { ClicaBotao(2); }
    void ClicaBotao(int i) {
        Clica(static_cast<float>(122 + 84 * i + 30), 400);
        RunFor(1);
    }

    // The helps' places on the stage; the card panel's place, and a point of each card that no
    // card above it covers, in the panel's pixels.
    static constexpr float AJUDA[6][4] = {{395, 214, 57, 57}, {465, 214, 57, 57},
                                          {533, 214, 57, 57}, {394, 284, 68, 66},
                                          {464, 284, 67, 67}, {533, 284, 67, 67}};
    static constexpr float CARTA[4][2] = {{50, 150}, {90, 150}, {130, 150}, {180, 100}};
    static constexpr float CARTAS_X = 373, CARTAS_Y = 161;
    static std::pair<float, float> CentroAjuda(int i) {
        return {AJUDA[i][0] + AJUDA[i][2] / 2, AJUDA[i][1] + AJUDA[i][3] / 2};
    }
    void SobreAjuda(int i) {
        const auto [x, y] = CentroAjuda(i);
        Move(x, y);
        RunFor(1);
    }
    void ClicaAjuda(int i) {
        SobreAjuda(i);
        const auto [x, y] = CentroAjuda(i);
        Clica(x, y);
        RunFor(1);
    }
    void PedeESim(int i) {
        ClicaAjuda(i);
        ClicaSim();
    }
    void ClicaCarta(int k) {
        Clica(CARTAS_X + CARTA[k][0], CARTAS_Y + CARTA[k][1]);
        RunFor(1);
    }

    std::int16_t Certa() { return AlternativaCerta[static_cast<std::size_t>(J().PerguntaAtual)]; }
    std::int16_t Errada() { return static_cast<std::int16_t>(Certa() % 4 + 1); }

    // Answers the question right and waits for the next one to be asked.
    void Acerta() {
        ClicaResposta(Certa());
        ClicaSim();
        RunFor(300);
    }

    std::string Mensagem() { return J().lblMSG.Caption(); }

    // The effects played, by name without folder, variant number or extension.
    std::vector<std::string> Efeitos(std::size_t desde = 0) {
        std::vector<std::string> nomes;
        const auto& log = audio().Log();
        for (std::size_t i = desde; i < log.size(); ++i) {
            if (log[i].rfind("effect ", 0) != 0) {
                continue;
            }
            std::string nome = log[i].substr(log[i].rfind('/') + 1);
            nome = nome.substr(0, nome.find('.'));
            if (nome.size() > 3 && nome[nome.size() - 3] == '-') {
                nome.resize(nome.size() - 3);
            }
            nomes.push_back(nome);
        }
        return nomes;
    }
    std::size_t Marca() { return audio().Log().size(); }
    int Conta(const std::string& linha, std::size_t desde = 0) {
        int n = 0;
        const auto& log = audio().Log();
        for (std::size_t i = desde; i < log.size(); ++i) {
            n += log[i] == linha;
        }
        return n;
    }

    // Whether `foto` holds the pixels of the picture file.
    static bool Mostra(const ui::Picture& foto, const std::string& arquivo) {
        const ui::Picture esperada = ui::Picture::FromFile(arquivo);
        const SDL_Surface* a = foto.Surface();
        const SDL_Surface* b = esperada.Surface();
        if (a == nullptr || b == nullptr || a->w != b->w || a->h != b->h ||
            a->format->format != b->format->format) {
            return false;
        }
        for (int y = 0; y < a->h; ++y) {
            if (std::memcmp(static_cast<const char*>(a->pixels) + y * a->pitch,
                            static_cast<const char*>(b->pixels) + y * b->pitch,
                            static_cast<std::size_t>(a->w * a->format->BytesPerPixel)) != 0) {
                return false;
            }
        }
        return true;
    }
    static std::string Grafico(const std::string& nome) {
        return std::string(QV_GAME_DIR) + "/Graficos/" + nome + ".bmp";
    }

    std::uint32_t inicioTempo = 0;
    int statusVistos = 0;
    // Whether the status screen between questions closes as soon as it shows.
    bool fechaStatus = true;

  private:
    std::shared_ptr<ui::Form> dono_ = std::make_shared<ui::Form>();
    std::unique_ptr<ui::Timer> fechaStatus_;
    std::shared_ptr<frmJogoForm> jogo_;
};

// Makes the countdown's time-out fall due at the first pass of the event loop where `quando`
// holds. `entrada`, run at that pass, queues input that the time-out then finds pending as it
// ends the game; for that the relogio must be made before the game screen, so as to run first.
inline void TempoAcabaQuando(gametest::Relogio& relogio, ui::HeadlessBackend& backend,
                             frmJogoForm& jogo, std::function<bool()> quando,
                             std::function<void()> entrada = nullptr) {
    relogio.acao = [&backend, &jogo, quando, entrada, feito = false]() mutable {
        if (feito || !quando()) {
            return;
        }
        feito = true;
        if (entrada) {
            entrada();
        }
        jogo.cronometro.Tempo = 21;
        const auto falta =
            static_cast<std::int32_t>(jogo.cronometro.Timer_Tempo.Due() - backend.Ticks());
        backend.Advance(static_cast<std::uint32_t>(std::max(falta, 0)));
    };
}

} // namespace gametest
