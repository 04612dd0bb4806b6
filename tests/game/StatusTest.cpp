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

// What the player sees of the status screen at one moment.
struct Quadro {
    std::uint32_t ms; // since the screen was opened
    bool aberta;
    int topo;
    bool visivel;
};

// The values of `campo` in the moments `quando` holds, repeats collapsed.
template <class Q, class C> auto Seguidos(const std::vector<Quadro>& quadros, Q quando, C campo) {
    std::vector<decltype(campo(quadros.front()))> valores;
    for (const Quadro& q : quadros) {
        if (quando(q) && (valores.empty() || valores.back() != campo(q))) {
            valores.push_back(campo(q));
        }
    }
    return valores;
}

class Status : public testing_support::ScreenTest {
  protected:
    // The status screen over the menu, which stays beneath, quiet, and samples it every
    // millisecond. The screen is held, so that what happens to it after closing can be seen.
    void Abre(int passo, bool novoJogo) {
        StartAtMenu();
        RunFor(600);
        NumPergunta = static_cast<std::int16_t>(passo);
        NovoJogo = ParaBool16(novoJogo);
        const std::uint32_t inicio = app().Ticks();
        amostras = std::make_unique<Sampler<Quadro>>(*frmMenu, 1, [this, inicio] {
            if (!tela && frmStatus.Loaded()) {
                tela = std::static_pointer_cast<frmStatusForm>(frmStatus->shared_from_this());
            }
            const std::uint32_t ms = app().Ticks() - inicio;
            return tela ? Quadro{ms, tela->IsLoaded(), static_cast<int>(tela->Imagem_Nivel.Top()),
                                 tela->Imagem_Nivel.Visible()}
                        : Quadro{ms, false, 0, false};
        });
        if (novoJogo) {
            ASSERT_TRUE(Step([] { ASSERT_TRUE(MostraStatus()); }));
        }
    }

    const std::vector<Quadro>& Quadros() const { return amostras->seen; }
    std::vector<int> Topos() const {
        return Seguidos(
            Quadros(), [](const Quadro& q) { return q.aberta && q.visivel; },
            [](const Quadro& q) { return q.topo; });
    }
    // The highlight's visibility while the screen is open.
    std::vector<bool> Piscadas() const {
        return Seguidos(
            Quadros(), [](const Quadro& q) { return q.aberta; },
            [](const Quadro& q) { return q.visivel; });
    }
    std::optional<std::uint32_t> Primeiro(const std::function<bool(const Quadro&)>& quando) const {
        const auto it = std::find_if(Quadros().begin(), Quadros().end(), quando);
        return it == Quadros().end() ? std::nullopt : std::optional(it->ms);
    }
    std::optional<std::uint32_t> NoTopo(int topo) const {
        return Primeiro([&](const Quadro& q) { return q.aberta && q.visivel && q.topo == topo; });
    }
    // The moment the screen closed: the first closed one after it has been seen open.
    std::optional<std::uint32_t> Fechou() const {
        const auto aberta = Primeiro([](const Quadro& q) { return q.aberta; });
        if (!aberta) {
            return std::nullopt;
        }
        return Primeiro([&](const Quadro& q) { return q.ms > *aberta && !q.aberta; });
    }

    std::uint32_t DuracaoVoz(int passo) {
        return ui::SoundDurationMs(PastaAudio + "valores-" + DoisDigitos(passo) + ".wav").value();
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
        const auto fechou = Fechou();
        ASSERT_TRUE(fechou);
        const Quadro& ultimo = Quadros().back();
        const auto mudou = std::find_if(Quadros().begin(), Quadros().end(), [&](const Quadro& q) {
            return q.ms >= *fechou &&
                   (q.aberta || q.topo != ultimo.topo || q.visivel != ultimo.visivel);
        });
        EXPECT_EQ(mudou, Quadros().end());
        EXPECT_FALSE(frmStatus.Loaded());
        EXPECT_FALSE(tela->Visible());
        EXPECT_FALSE(tela->Timer_pisca.Enabled());
        EXPECT_FALSE(audio().Playing("MMControl3"));
    }

    std::unique_ptr<Sampler<Quadro>> amostras;
    std::shared_ptr<frmStatusForm> tela;
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
    EXPECT_EQ(Topos(), std::vector<int>{393});
    EXPECT_NEAR(*NoTopo(393), 750, 2);
    EXPECT_EQ(Piscadas(), (std::vector<bool>{false, true, false, true, false, true, false, true}));
    EXPECT_EQ(tela->Imagem_Nivel.Width(), 353);
    EXPECT_NEAR(*Fechou(), 750 + voz + 200, 2);
    EXPECT_TRUE(frmJogo.Loaded());
}

TEST_F(Status, AfterTheFifteenthRightAnswerClimbsSixteenRungsWhileTheCallerWaits) {
    Abre(16, false);
    bool seguiu = false;
    ASSERT_TRUE(Step([&] { seguiu = static_cast<bool>(MostraStatus()); }));
    RunFor(1);
    // The modal show returns only when the screen has closed.
    ASSERT_TRUE(Fechou());
    EXPECT_TRUE(seguiu);
    EXPECT_EQ(Topos(), TOPOS);
    const std::uint32_t primeiro = *NoTopo(393);
    EXPECT_NEAR(*NoTopo(35) - primeiro, 15 * 44, 3);
    for (auto& imagem : tela->Precache) {
        EXPECT_TRUE(imagem.Picture());
    }
    EXPECT_NE(ComandosVoz().at(1).find("valores-16.wav"), std::string::npos);
    EXPECT_FALSE(frmJogo.Loaded());
}

TEST_F(Status, SpaceBeforeTheStartClosesWithNothingSpokenAndOtherInputDoesNothing) {
    Abre(3, true);
    RunFor(200);
    PressKey(65);
    PressKey(27);
    ClickOnStage(*frmStatus, 20, 20);
    RunFor(100);
    EXPECT_TRUE(frmStatus.Loaded());
    PressKey(32);
    RunFor(1500);
    EXPECT_NEAR(*Fechou(), 300, 2);
    EXPECT_FALSE(Falou());
    EXPECT_TRUE(Topos().empty());
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
    const Later enter(*frmMenu, 1000, [&] {
        falava = audio().Playing("MMControl3");
        PressKey(13);
        PressKey(13);
    });
    RunFor(3000);
    EXPECT_TRUE(falava);
    EXPECT_NEAR(*Fechou(), 1000, 2);
    const auto topos = Topos();
    EXPECT_EQ(topos, std::vector<int>(TOPOS.begin(), TOPOS.begin() + 6));
    EXPECT_EQ(tela->Imagem_Nivel.Top(), topos.back());
    EsperaFechadaDeVez();
    EXPECT_TRUE(frmJogo.Loaded());
}

TEST_F(Status, VoiceEndingDuringTheClimbClosesItThereOnce) {
    Abre(16, true);
    PastaAudio = Folder() + "audio/";
    testfiles::Save(PastaAudio + "valores-16.wav", testfiles::Wav(100));
    RunFor(3000);
    // The voice ends at 850, the screen closes 200 ms later, at the climb's seventh rung.
    EXPECT_NEAR(*Fechou(), 1050, 2);
    EXPECT_EQ(Topos(), std::vector<int>(TOPOS.begin(), TOPOS.begin() + 7));
    EsperaFechadaDeVez();
    EXPECT_TRUE(frmJogo.Loaded());
}

} // namespace
