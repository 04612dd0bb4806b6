// One whole game in virtual time, from the name entry to the settings file: sixteen right
// answers with the status screen between them, the congratulations and the score board.
#include "core/Globais.h"
#include "game/frmJogo.h"
#include "game/frmStatus.h"
#include "platform/headless/HeadlessAudio.h"
#include "screens/frmMenu.h"
#include "screens/frmNome.h"
#include "screens/frmParabens.h"
#include "screens/frmPlacar.h"
#include "screens/frmSaida.h"
#include "support/ScreenTest.h"

#include <functional>
#include <vector>

namespace {

class WholeGame : public testing_support::ScreenTest {
  protected:
    // Runs until `done` holds, in steps of virtual time; false after two minutes without it.
    bool RunUntil(const std::function<bool()>& done) {
        for (int i = 0; i < 1200 && !done(); ++i) {
            if (!RunFor(100)) {
                return false;
            }
        }
        return done();
    }

    // The question `numero` is on the stage with its countdown running.
    static bool Asking(int numero) {
        return NumPergunta == numero && frmJogo.Loaded() && !frmStatus.Loaded() &&
               frmJogo->cronometro.Timer_Tempo.Enabled();
    }

    void AnswerRight() {
        const auto certa = AlternativaCerta[static_cast<std::size_t>(frmJogo->PerguntaAtual)];
        ClickOnStage(*frmJogo, 100, ALTURA_RESPOSTA[certa]);
        RunFor(1);
        ClickOnStage(*frmJogo, 152, 400); // yes
        RunFor(1);
    }

    int Count(const std::string& linha) {
        int n = 0;
        for (const auto& registro : audio().Log()) {
            n += registro == linha;
        }
        return n;
    }

    static constexpr float ALTURA_RESPOSTA[5] = {0, 182, 223, 264, 304};
};

TEST_F(WholeGame, SixteenRightAnswersReachTheTopOfTheBoardAndTheSettingsFile) {
    StartAtMenu();
    PressKey(13);
    ASSERT_TRUE(RunUntil([] { return frmNome.Loaded(); }));
    for (char c : std::string("ANA")) {
        PressKey(c);
    }
    RunFor(1);
    PressKey(13);

    std::vector<int> niveis;
    for (int pergunta = 1; pergunta <= 16; ++pergunta) {
        SCOPED_TRACE(pergunta);
        ASSERT_TRUE(RunUntil([pergunta] { return Asking(pergunta); }));
        niveis.push_back(Nivel);
        AnswerRight();
    }
    // Levels two and three are loaded after the fifth and the tenth answer.
    EXPECT_EQ(niveis, (std::vector<int>{1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3}));
    EXPECT_EQ(Count("MMControl3 play"), 16); // the status screen's voice, once a showing

    ASSERT_TRUE(RunUntil([] { return frmParabens.Loaded(); }));
    EXPECT_FALSE(frmJogo.Loaded());
    EXPECT_EQ(IndicePremio, 22);
    ASSERT_TRUE(RunUntil([] { return frmPlacar.Loaded(); }));
    EXPECT_FALSE(frmParabens.Loaded());
    EXPECT_EQ(frmPlacar->PosicaoNova, 1);
    EXPECT_EQ(frmPlacar->lblNome[0].Caption(), "ANA");
    EXPECT_EQ(frmPlacar->lblPremio[0].Caption(), "1 MILHÃO");

    // Back to the menu, then out through the exit screen, which writes the settings.
    RunFor(2000);
    ClickOnStage(*frmPlacar, 575, 415);
    ASSERT_TRUE(RunUntil([] { return frmMenu.Loaded() && !frmPlacar.Loaded(); }));
    RunFor(600);
    ClickOnStage(*frmMenu, 575, 415);
    ASSERT_TRUE(RunUntil([] { return frmSaida.Loaded(); }));
    RunFor(1100);
    ClickOnStage(*frmSaida, 114, 415);
    EXPECT_FALSE(RunFor(2000));
    // The last player's name, then the top row: the same name at the last rung.
    EXPECT_NE(ReadFile("config.ini").find("\"ANA\"\r\n\"ANA\"\r\n22\r\n"), std::string::npos);
}

} // namespace
