// Scenario tests of the status screen: the climb, the blink, the voice and every way it closes.
#include "core/Globais.h"
#include "game/frmJogo.h"
#include "game/frmStatus.h"
#include "platform/SoundFile.h"
#include "platform/headless/HeadlessAudio.h"
#include "program/Inicio.h"
#include "screens/frmMenu.h"
#include "sound/Som.h"
#include "sound/SoundFiles.h"
#include "support/ScreenTest.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace {

// What the player sees of the status screen, sampled every millisecond from the menu beneath
// it; only changes are kept. The first screen that opens is held, so that what happens to it
// after it has closed can still be seen.
class Observador {
  public:
    struct Quadro {
        std::uint32_t ms; // since the observer started
        bool aberta;
        int topo;
        bool visivel;
    };

    explicit Observador(ui::Form& abaixo) : timer_(abaixo, 1), inicio_(ui::App().Ticks()) {
        timer_.Tick = [this] { Observa(); };
        timer_.Enabled(true);
    }

    std::shared_ptr<frmStatusForm> tela;
    std::vector<Quadro> quadros;

    // The moment the screen closed, or nothing.
    std::optional<std::uint32_t> Fechou() const {
        for (const Quadro& q : quadros) {
            if (!q.aberta) {
                return q.ms;
            }
        }
        return std::nullopt;
    }
    std::vector<int> Topos() const {
        std::vector<int> topos;
        for (const Quadro& q : quadros) {
            if (q.aberta && q.visivel && (topos.empty() || topos.back() != q.topo)) {
                topos.push_back(q.topo);
            }
        }
        return topos;
    }
    // The highlight's visibility while open, repeated values collapsed.
    std::vector<bool> Piscadas() const {
        std::vector<bool> vistos;
        for (const Quadro& q : quadros) {
            if (q.aberta && (vistos.empty() || vistos.back() != q.visivel)) {
                vistos.push_back(q.visivel);
            }
        }
        return vistos;
    }
    std::optional<std::uint32_t> PrimeiroNoTopo(int topo) const {
        for (const Quadro& q : quadros) {
            if (q.aberta && q.visivel && q.topo == topo) {
                return q.ms;
            }
        }
        return std::nullopt;
    }

  private:
    void Observa() {
        if (!tela && frmStatus.Loaded()) {
            tela = std::static_pointer_cast<frmStatusForm>(frmStatus->shared_from_this());
        }
        if (!tela) {
            return;
        }
        const Quadro q{ui::App().Ticks() - inicio_, tela->IsLoaded(),
                       static_cast<int>(tela->Imagem_Nivel.Top()), tela->Imagem_Nivel.Visible()};
        if (quadros.empty() || quadros.back().aberta != q.aberta || quadros.back().topo != q.topo ||
            quadros.back().visivel != q.visivel) {
            quadros.push_back(q);
        }
    }

    ui::Timer timer_;
    std::uint32_t inicio_;
};

class Status : public testing_support::ScreenTest {
  protected:
    // The game screen that a new game opens finds its pictures and questions in the program
    // folder.
    Status() {
        std::filesystem::create_directory_symlink(std::string(QV_GAME_DIR) + "/Graficos",
                                                  Folder() + "Graficos");
    }

    // The menu stays beneath, quiet, to carry the observer.
    void Abre(int passo, bool novoJogo) {
        StartAtMenu();
        RunFor(600);
        NumPergunta = static_cast<std::int16_t>(passo);
        NovoJogo = ParaBool16(novoJogo);
        observador = std::make_unique<Observador>(*frmMenu);
        if (novoJogo) {
            ASSERT_TRUE(Step([] { ASSERT_TRUE(MostraStatus()); }));
        }
    }

    std::uint32_t DuracaoVoz(int passo) {
        return ui::SoundDurationMs(PastaAudio + "valores-" + DoisDigitos(passo) + ".wav").value();
    }

    // Runs `acao` `ms` after now, from inside whatever wait is running then, as a player acts.
    void Agenda(int ms, std::function<void()> acao) {
        auto& timer = *agenda_.emplace_back(std::make_unique<ui::Timer>(*frmMenu, ms));
        timer.Tick = [&timer, acao = std::move(acao)] {
            timer.Enabled(false);
            acao();
        };
        timer.Enabled(true);
    }

    bool Falou() {
        const auto comandos = ComandosVoz();
        return std::find(comandos.begin(), comandos.end(), "play") != comandos.end();
    }

    std::vector<std::string> ComandosVoz() {
        std::vector<std::string> comandos;
        for (const std::string& linha : audio().Log()) {
            if (linha.starts_with("MMControl3 ")) {
                comandos.push_back(linha.substr(11));
            }
        }
        return comandos;
    }

    // The screen has gone for good: nothing of it changed after it closed.
    void EsperaFechadaDeVez() {
        const auto fechou = observador->Fechou();
        ASSERT_TRUE(fechou);
        const auto depois = std::count_if(observador->quadros.begin(), observador->quadros.end(),
                                          [&](const auto& q) { return q.ms > *fechou; });
        EXPECT_EQ(depois, 0);
        EXPECT_FALSE(frmStatus.Loaded());
        EXPECT_FALSE(observador->tela->Visible());
        EXPECT_FALSE(observador->tela->Timer_pisca.Enabled());
        EXPECT_FALSE(audio().Playing("MMControl3"));
    }

    std::unique_ptr<Observador> observador;

  private:
    std::vector<std::unique_ptr<ui::Timer>> agenda_;
};

const std::vector<int> TOPOS{393, 382, 360, 334, 313, 278, 260, 236,
                             216, 201, 155, 133, 113, 95,  66,  35};

TEST_F(Status, NewGameSpeaksStepOneBlinksThreeTimesAndOpensTheGameAfterTheVoice) {
    Abre(1, true);
    const std::uint32_t voz = DuracaoVoz(1);
    ASSERT_GT(voz + 200, 44u + 600u); // the blink ends before the close
    RunFor(740);
    EXPECT_FALSE(Falou());
    RunFor(voz + 500);

    EXPECT_EQ(ComandosVoz(),
              (std::vector<std::string>{"close", "open " + PastaAudio + "valores-01.wav", "stop",
                                        "prev", "play", "close"}));
    EXPECT_EQ(observador->Topos(), std::vector<int>{393});
    EXPECT_NEAR(*observador->PrimeiroNoTopo(393), 750, 2);
    EXPECT_EQ(observador->Piscadas(),
              (std::vector<bool>{false, true, false, true, false, true, false, true}));
    EXPECT_EQ(observador->tela->Imagem_Nivel.Width(), 353);
    EXPECT_NEAR(*observador->Fechou(), 750 + voz + 200, 2);
    EXPECT_TRUE(frmJogo.Loaded());
}

TEST_F(Status, AfterTheFifteenthRightAnswerClimbsSixteenRungsWhileTheCallerWaits) {
    Abre(16, false);
    bool seguiu = false;
    ASSERT_TRUE(Step([&] { seguiu = static_cast<bool>(MostraStatus()); }));
    RunFor(1);
    // The modal show returns only when the screen has closed.
    ASSERT_TRUE(observador->Fechou());
    EXPECT_TRUE(seguiu);
    EXPECT_EQ(observador->Topos(), TOPOS);
    const std::uint32_t primeiro = *observador->PrimeiroNoTopo(393);
    EXPECT_NEAR(*observador->PrimeiroNoTopo(35) - primeiro, 15 * 44, 3);
    for (auto& imagem : observador->tela->Precache) {
        EXPECT_TRUE(imagem.Picture());
    }
    EXPECT_NE(ComandosVoz().at(1).find("valores-16.wav"), std::string::npos);
    EXPECT_FALSE(frmJogo.Loaded());
}

TEST_F(Status, SpaceBeforeTheStartClosesWithNothingSpokenAndOtherInputDoesNothing) {
    Abre(3, true);
    RunFor(200);
    KeyDown(65);
    KeyDown(27);
    ClickOnStage(*frmStatus, 20, 20);
    RunFor(100);
    EXPECT_TRUE(frmStatus.Loaded());
    KeyDown(32);
    RunFor(1500);
    EXPECT_NEAR(*observador->Fechou(), 300, 2);
    EXPECT_FALSE(Falou());
    EXPECT_TRUE(observador->Topos().empty());
    EXPECT_TRUE(frmJogo.Loaded());
}

TEST_F(Status, SoundOffWaitsForTheLitHighlightToBeClicked) {
    Abre(2, true);
    SomLigado = FALSO;
    RunFor(750 + 2 * 44 + 150); // first toggle of the blink: hidden
    ASSERT_FALSE(frmStatus->Imagem_Nivel.Visible());
    ClickOnStage(*frmStatus, 300, 400);
    RunFor(5000);
    ASSERT_TRUE(frmStatus.Loaded());
    EXPECT_TRUE(frmStatus->Imagem_Nivel.Visible());
    ClickOnStage(*frmStatus, 300, 400);
    RunFor(5);
    EXPECT_FALSE(frmStatus.Loaded());
    EXPECT_FALSE(Falou());
}

// Closing while the highlight climbs: no later step of the climb touches the closed screen.
TEST_F(Status, EnterDuringTheClimbCutsItShortAndSilencesTheVoice) {
    Abre(16, true);
    bool falava = false;
    Agenda(1000, [&] {
        falava = audio().Playing("MMControl3");
        KeyDown(13);
        KeyDown(13);
    });
    RunFor(3000);
    EXPECT_TRUE(falava);
    EXPECT_NEAR(*observador->Fechou(), 1000, 2);
    const auto topos = observador->Topos();
    EXPECT_EQ(topos, std::vector<int>(TOPOS.begin(), TOPOS.begin() + 6));
    EXPECT_EQ(observador->tela->Imagem_Nivel.Top(), topos.back());
    EsperaFechadaDeVez();
    EXPECT_TRUE(frmJogo.Loaded());
}

TEST_F(Status, VoiceEndingDuringTheClimbClosesItThereOnce) {
    Abre(16, true);
    PastaAudio = Folder() + "audio/";
    testfiles::Save(PastaAudio + "valores-16.wav", testfiles::Wav(100));
    RunFor(3000);
    // The voice ends at 850, the screen closes 200 ms later, at the climb's seventh rung.
    EXPECT_NEAR(*observador->Fechou(), 1050, 2);
    EXPECT_EQ(observador->Topos(), std::vector<int>(TOPOS.begin(), TOPOS.begin() + 7));
    EsperaFechadaDeVez();
    EXPECT_TRUE(frmJogo.Loaded());
}

} // namespace
