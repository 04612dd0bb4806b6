// Scenario tests of the intro, the main menu and the exit screen, on the generated content.
#include "core/Config.h"
#include "core/Globais.h"
#include "core/Inicio.h"
#include "platform/headless/HeadlessAudio.h"
#include "screens/ScreensFixture.h"
#include "screens/frmIntro.h"
#include "screens/frmMenu.h"
#include "screens/frmNome.h"
#include "screens/frmPlacar.h"
#include "screens/frmSaida.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include <vector>

namespace {

using testing_support::Screens;

TEST_F(Screens, IntroBlinksTheHeartAndEndsAfterItsTimeline) {
    Start();
    ASSERT_TRUE(frmIntro.Loaded());
    auto& heart = frmIntro->Image_heart;
    EXPECT_FALSE(heart.Visible());
    RunFor(250);
    EXPECT_FALSE(heart.Visible());
    RunFor(100); // 350 ms: first blink tick at 300
    EXPECT_TRUE(heart.Visible());
    RunFor(200); // 550 ms
    EXPECT_FALSE(heart.Visible());
    RunFor(11050 - 550);
    EXPECT_TRUE(frmIntro.Loaded());
    EXPECT_FALSE(frmMenu.Loaded());
    RunFor(100); // 11150 ms: the end tick at 11100
    EXPECT_FALSE(frmIntro.Loaded());
    EXPECT_TRUE(frmMenu.Loaded());
}

TEST_F(Screens, IntroSkipsOnEnterOnlyAndBeforeItsStartTickOpensNoMusic) {
    Start();
    KeyPress(32);
    KeyPress(27);
    RunFor(50);
    EXPECT_TRUE(frmIntro.Loaded());
    KeyPress(13);
    RunFor(10);
    EXPECT_FALSE(frmIntro.Loaded());
    EXPECT_TRUE(frmMenu.Loaded());
    RunFor(1000);
    EXPECT_FALSE(Mentions("gamebgm"));
    EXPECT_TRUE(Mentions("MMControl1 stop"));
}

TEST_F(Screens, IntroPlaysItsNarrationAndOpensTheMusicOnItsStartTick) {
    Start();
    EXPECT_TRUE(Mentions("trilha09"));
    EXPECT_TRUE(audio().Playing("MMControl1"));
    EXPECT_FALSE(Mentions("gamebgm"));
    RunFor(150);
    EXPECT_TRUE(Mentions("gamebgm"));
}

TEST_F(Screens, IntroClickOnTheStageSkips) {
    Start();
    ClickOnStage(*frmIntro, 20, 20);
    RunFor(10);
    EXPECT_TRUE(frmMenu.Loaded());
    EXPECT_FALSE(frmIntro.Loaded());
}

TEST_F(Screens, MenuHoverEdgesOfThePlayHighlight) {
    StartAtMenu();
    auto& menu = *frmMenu;
    MoveOnStage(menu, 186, 240);
    RunFor(1);
    EXPECT_TRUE(menu.botao[0].Visible());
    MoveOnStage(menu, 300, 10); // empty stage
    RunFor(1);
    EXPECT_FALSE(menu.botao[0].Visible());
    MoveOnStage(menu, 261, 276); // right and bottom edges still count
    RunFor(1);
    EXPECT_TRUE(menu.botao[0].Visible());
    MoveOnStage(menu, 300, 10);
    MoveOnStage(menu, 262, 240);
    RunFor(1);
    EXPECT_FALSE(menu.botao[0].Visible());
}

TEST_F(Screens, MenuEnterBeforeItsStartTickBlinksPlayAndOpensNameEntryOnce) {
    StartAtMenu();
    auto& menu = *frmMenu;
    Sampler sampler(menu, menu.botao[0], 40);
    backend().Advance(20); // samples fall between the toggles
    KeyDown(13);
    KeyDown(13); // ignored: the input lock is set
    RunFor(20);
    // Hidden at the start, toggled every 80 ms, hidden again at the end.
    const std::vector<bool> pattern{true, true, false, false, true, true, false, false, true, true};
    EXPECT_EQ(sampler.seen, pattern);
    EXPECT_FALSE(menu.botao[0].Visible());
    EXPECT_FALSE(frmMenu.Loaded());
    EXPECT_TRUE(frmNome.Loaded());
    EXPECT_FALSE(Sim(EntradaTravada));
}

TEST_F(Screens, MenuF1OpensNameEntryAndOtherKeysDoNothing) {
    StartAtMenu();
    KeyDown(16, 1);
    KeyDown(65);
    RunFor(600);
    EXPECT_TRUE(frmMenu.Loaded());
    KeyDown(112);
    RunFor(600);
    EXPECT_TRUE(frmNome.Loaded());
    EXPECT_FALSE(frmMenu.Loaded());
}

TEST_F(Screens, ClickOnTheLitScoresButtonOpensTheScoreBoard) {
    StartAtMenu();
    ClickOnStage(*frmMenu, 60, 400);
    RunFor(600);
    EXPECT_FALSE(frmMenu.Loaded());
    EXPECT_TRUE(frmPlacar.Loaded());
}

TEST_F(Screens, ScoreBoardButtonsHaveTheirOwnClickEffects) {
    for (const char* nome : {"click", "wood"}) {
        std::ifstream som(std::string(QV_GAME_DIR) + "/sons/" + nome + ".WAV", std::ios::binary);
        WriteFile(std::string("sons/") + nome + ".WAV",
                  std::string(std::istreambuf_iterator<char>(som), {}));
    }
    StartAtMenu();
    ClickOnStage(*frmMenu, 60, 400);
    RunFor(600);
    ASSERT_TRUE(frmPlacar.Loaded());
    ClickOnStage(*frmPlacar, 60, 410); // clear
    RunFor(600);
    EXPECT_TRUE(Mentions("wood.WAV"));
    const auto& log = audio().Log();
    EXPECT_NE(log.back().find("wood.WAV"), std::string::npos);
}

TEST_F(Screens, CornerModeButtonTwiceReturnsAndKeepsThePosition) {
    StartAtMenu();
    auto& menu = *frmMenu;
    EXPECT_EQ(menu.WindowState(), ui::vbMaximized);
    // The stage is centred on the 1024x768 screen.
    EXPECT_EQ(menu.Picture_Center.Left(), 192);
    EXPECT_EQ(menu.Picture_Center.Top(), 144);
    ClickOnStage(menu, 612, 27);
    RunFor(10);
    EXPECT_EQ(ModoTela, 1);
    EXPECT_EQ(menu.WindowState(), ui::vbNormal);
    EXPECT_EQ(menu.Left(), 0);
    EXPECT_EQ(menu.Caption(), "Quorvane");
    ClickOnStage(menu, 612, 27);
    RunFor(10);
    EXPECT_EQ(ModoTela, 2);
    EXPECT_EQ(menu.WindowState(), ui::vbMaximized);
}

TEST_F(Screens, CornerExitButtonWritesTheSettingsAndEnds) {
    StartAtMenu();
    NomeJogador = "ANA";
    ClickOnStage(*frmMenu, 588, 15);
    EXPECT_FALSE(RunFor(10));
    EXPECT_NE(ReadFile("config.ini").find("\"ANA\""), std::string::npos);
}

TEST_F(Screens, WindowModeDragMovesTheWindowWithThePointer) {
    StartAtMenu();
    auto& menu = *frmMenu;
    ASSERT_TRUE(Step([&] { menu.ImagemControl_Click(1); }));
    const int left = menu.Left();
    const int top = menu.Top();
    backend().Push({ui::InputEvent::Kind::MouseDown, 300, 20, 1, 0, 0});
    backend().Push({ui::InputEvent::Kind::MouseMove, 310, 25, 1, 0, 0});
    RunFor(5);
    EXPECT_EQ(menu.Left(), left + 10 * 15);
    EXPECT_EQ(menu.Top(), top + 5 * 15);
    EXPECT_EQ(JanelaEsquerda, menu.Left());
}

class ExitScreen : public Screens {
  protected:
    void OpenFromMenu() {
        StartAtMenu();
        ClickOnStage(*frmMenu, 570, 410);
        RunFor(1); // the click's handler runs its blink and opens the screen
        ASSERT_TRUE(frmSaida.Loaded());
        ASSERT_TRUE(frmMenu.Loaded());
    }
};

TEST_F(ExitScreen, CreditsAreEmptyForFiveSecondsThenTakeTurns) {
    OpenFromMenu();
    auto& saida = *frmSaida;
    RunFor(4900);
    EXPECT_FALSE(saida.Creditos.Picture());
    std::vector<int> order;
    for (int i = 0; i < 5; ++i) {
        RunFor(i == 0 ? 200 : 4000);
        order.push_back(saida.NumCredito);
    }
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3, 4, 1}));
    EXPECT_TRUE(saida.Creditos.Picture());
}

TEST_F(ExitScreen, StayReturnsToTheMenuWhichAnswersKeysAtOnce) {
    OpenFromMenu();
    ClickOnStage(*frmSaida, 520, 410);
    RunFor(300);
    EXPECT_FALSE(frmSaida.Loaded());
    EXPECT_TRUE(frmMenu.Loaded());
    EXPECT_EQ(ui::App().TopForm(), frmMenu.Peek());
    KeyDown(13);
    RunFor(600);
    EXPECT_TRUE(frmNome.Loaded());
}

TEST_F(ExitScreen, LeaveWritesTheSettingsSaysGoodbyeAndEnds) {
    std::ifstream tchau(std::string(QV_GAME_DIR) + "/sons/tchau.WAV", std::ios::binary);
    WriteFile("sons/tchau.WAV", std::string(std::istreambuf_iterator<char>(tchau), {}));
    OpenFromMenu();
    PlacarNome[1] = "BETO";
    PlacarNivel[1] = 9;
    ClickOnStage(*frmSaida, 110, 410);
    EXPECT_FALSE(RunFor(1000));
    const std::string config = ReadFile("config.ini");
    EXPECT_EQ(config.substr(0, 3), "2\r\n");
    EXPECT_NE(config.find("\"BETO\"\r\n9\r\n"), std::string::npos);
    EXPECT_TRUE(Mentions("tchau.WAV 2"));
}

TEST_F(ExitScreen, MovingOntoTheCreditsTurnsTheHighlightsOff) {
    OpenFromMenu();
    auto& saida = *frmSaida;
    MoveOnStage(saida, 100, 400);
    RunFor(1);
    EXPECT_TRUE(saida.botao[0].Visible());
    MoveOnStage(saida, 170, 300);
    RunFor(1);
    EXPECT_FALSE(saida.botao[0].Visible());
    EXPECT_FALSE(saida.botao[1].Visible());
}

} // namespace
