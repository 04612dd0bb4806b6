// Scenario tests of the intro, the main menu, the rules pages and the exit screen, on the
// generated content.
#include "core/Config.h"
#include "core/Globais.h"
#include "platform/headless/HeadlessAudio.h"
#include "program/Inicio.h"
#include "screens/frmIntro.h"
#include "screens/frmMenu.h"
#include "screens/frmNome.h"
#include "screens/frmPlacar.h"
#include "screens/frmRegras.h"
#include "screens/frmSaida.h"
#include "support/ScreenTest.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

class Screens : public testing_support::ScreenTest {
  protected:
    void DragInWindowMode(TelaPadrao& tela, float x, float y) {
        ASSERT_TRUE(Step([&] { tela.ImagemControl_Click(1); }));
        const int left = tela.Left();
        const int top = tela.Top();
        backend().Push({ui::InputEvent::Kind::MouseDown, x, y, 1, 0, 0});
        backend().Push({ui::InputEvent::Kind::MouseMove, x + 10, y + 5, 1, 0, 0});
        RunFor(5);
        EXPECT_EQ(tela.Left(), left + 10 * 15);
        EXPECT_EQ(tela.Top(), top + 5 * 15);
        EXPECT_EQ(JanelaEsquerda, tela.Left());
    }
};

// With every highlight picture missing, the dialogs come in the order the pictures load: on
// the name entry each button before its corner button, on the rules and the exit screen each
// corner button first.
TEST_F(Screens, MissingHighlightPicturesAreAskedForIndexByIndex) {
    StartAtMenu();
    WriteFile("vazia/bgnome.bmp", testing_support::BmpBytes(640, 480));
    WriteFile("vazia/bgregras.bmp", testing_support::BmpBytes(640, 480));
    WriteFile("vazia/bgsair.bmp", testing_support::BmpBytes(640, 480));
    PastaPackage = Folder() + "vazia/";
    const auto pedidas = [this](auto mostra) {
        for (int i = 0; i < 6; ++i) {
            backend().AnswerNext(ui::vbIgnore);
        }
        const auto antes = backend().Messages().size();
        EXPECT_TRUE(Step(mostra));
        std::vector<std::string> nomes;
        const auto& caixas = backend().Messages();
        for (auto i = antes; i < caixas.size() && nomes.size() < 6; ++i) {
            // "... ao tentar abrir o arquivo:\r\r<name>\r"
            const auto& texto = caixas[i].text;
            const auto inicio = texto.find("\r\r") + 2;
            nomes.push_back(texto.substr(inicio, texto.size() - inicio - 1));
        }
        return nomes;
    };
    EXPECT_EQ(pedidas([] { frmNome.Show(); }),
              (std::vector<std::string>{"bot_nome_f1", "circ_nome_0", "bot_nome_f2", "circ_nome_1",
                                        "bot_nome_f3", "circ_nome_2"}));
    EXPECT_EQ(pedidas([] { frmRegras.Show(); }),
              (std::vector<std::string>{"circ_regras_0", "bot_regra_0", "circ_regras_1",
                                        "bot_regra_1", "circ_regras_2", "bot_regra_2"}));
    EXPECT_EQ(pedidas([] { frmSaida.Show(); }),
              (std::vector<std::string>{"circ_regras_0", "bot_sair_0", "circ_regras_1",
                                        "bot_sair_1", "circ_regras_2"}));
}

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
    PressKey(' ');
    PressKey(27);
    RunFor(50);
    EXPECT_TRUE(frmIntro.Loaded());
    PressKey(13);
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
    Sampler<bool> sampler(menu, 40, [&] { return menu.botao[0].Visible(); });
    backend().Advance(20); // samples fall between the toggles
    PressKey(13);
    PressKey(13); // ignored: the input lock is set
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
    PressKey(16, 1);
    PressKey(65);
    RunFor(600);
    EXPECT_TRUE(frmMenu.Loaded());
    PressKey(112);
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
    DragInWindowMode(*frmMenu, 300, 20);
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
    PressKey(13);
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

class RulesScreen : public Screens {
  protected:
    enum { PROXIMA_X = 200, ANTERIOR_X = 320, CONTINUAR_X = 438, BOTOES_Y = 410 };

    // Opens the rules with the menu's button; the load happens at `carregou`.
    void OpenFromMenu() {
        StartAtMenu();
        ClickOnStage(*frmMenu, 415, 380);
        RunFor(1);
        ASSERT_TRUE(frmRegras.Loaded());
        ASSERT_FALSE(frmMenu.Loaded());
        carregou = backend().Ticks();
    }

    void OpenAndShowFirstPage() {
        OpenFromMenu();
        RunFor(600);
        ASSERT_EQ(PageShown(), 1);
    }

    void ClickButton(int x) { ClickOnStage(*frmRegras, static_cast<float>(x), BOTOES_Y); }

    // The page whose picture the page area holds, by its pixels; 0 for none.
    int PageShown() {
        const SDL_Surface* shown = frmRegras->regra.Picture().Surface();
        for (int n = 1; n <= 4 && shown; ++n) {
            const auto page =
                ui::Picture::FromFile(PastaPackage + "regras 0" + std::to_string(n) + ".bmp");
            const SDL_Surface* s = page.Surface();
            if (s->h == shown->h && s->pitch == shown->pitch &&
                std::memcmp(s->pixels, shown->pixels, static_cast<std::size_t>(s->h * s->pitch)) ==
                    0) {
                return n;
            }
        }
        return 0;
    }

    std::uint32_t carregou = 0;
};

TEST_F(RulesScreen, MenuOpensItLitAndPageOneRollsDownHalfASecondAfterTheLoad) {
    OpenFromMenu();
    auto& regras = *frmRegras;
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(regras.botao[i].Visible()) << i;
        EXPECT_FALSE(regras.ImagemControl[i].Visible()) << i;
    }
    EXPECT_FALSE(regras.botao[1].Enabled());
    Sampler<std::pair<bool, int>> wipe(regras, 1, [&] {
        return std::pair{regras.regra.Visible(), static_cast<int>(regras.regra.Height())};
    });
    RunFor(499);
    EXPECT_FALSE(regras.regra.Visible());
    RunFor(100);
    // Rolled up unseen to a one-pixel strip, then down into view: 22 steps of 20 pixels.
    std::vector<std::pair<bool, int>> steps;
    for (const auto& sample : wipe.seen) {
        if (steps.empty() || steps.back() != sample) {
            steps.push_back(sample);
        }
    }
    std::vector<std::pair<bool, int>> expected;
    for (int k = 207; k >= 1; k -= 20) {
        expected.emplace_back(false, k);
    }
    for (int k = 1; k <= 207; k += 20) {
        expected.emplace_back(true, k);
    }
    expected.emplace_back(true, 207);
    EXPECT_EQ(steps, expected);
    EXPECT_EQ(PageShown(), 1);
    EXPECT_EQ(regras.regra.Top(), 168);

    // The first move over the stage puts out what it tests; previous is not tested on page
    // 1 and stays lit, but takes no click.
    MoveOnStage(regras, 100, 100);
    RunFor(1);
    EXPECT_FALSE(regras.botao[0].Visible());
    EXPECT_TRUE(regras.botao[1].Visible());
    EXPECT_FALSE(regras.botao[2].Visible());
    const std::size_t tocados = audio().Log().size();
    ClickButton(ANTERIOR_X);
    RunFor(300);
    EXPECT_EQ(regras.Pagina, 1);
    EXPECT_EQ(audio().Log().size(), tocados);
}

TEST_F(RulesScreen, NextLeadsToPageFourWhereItStopsAndGoOnLeavesWithoutAWipe) {
    OpenAndShowFirstPage();
    auto& regras = *frmRegras;
    for (int pagina = 2; pagina <= 4; ++pagina) {
        ClickButton(PROXIMA_X);
        RunFor(300);
        EXPECT_EQ(regras.Pagina, pagina);
        EXPECT_EQ(PageShown(), pagina);
        EXPECT_TRUE(regras.botao[1].Enabled());
    }
    // Next is disabled on page 4, and its highlight, lit by the click, stays lit.
    EXPECT_FALSE(regras.botao[0].Enabled());
    MoveOnStage(regras, 100, 100);
    RunFor(1);
    EXPECT_TRUE(regras.botao[0].Visible());
    ClickButton(PROXIMA_X);
    RunFor(300);
    EXPECT_EQ(regras.Pagina, 4);

    ClickButton(ANTERIOR_X);
    RunFor(300);
    EXPECT_EQ(PageShown(), 3);
    EXPECT_TRUE(regras.botao[0].Enabled());

    // Only the blink stands between the click and the name entry.
    const auto fechada = regras.shared_from_this();
    ClickButton(CONTINUAR_X);
    const std::uint32_t antes = backend().Ticks();
    RunFor(1);
    EXPECT_EQ(backend().Ticks() - antes, 200u);
    EXPECT_TRUE(frmNome.Loaded());
    EXPECT_FALSE(frmRegras.Loaded());
    EXPECT_EQ(regras.regra.Height(), 207);
}

TEST_F(RulesScreen, ThePageHandsItsPointerToTheStage) {
    OpenAndShowFirstPage();
    auto& regras = *frmRegras;
    MoveOnStage(regras, 200, 410);
    RunFor(1);
    EXPECT_TRUE(regras.botao[0].Visible());
    MoveOnStage(regras, 300, 300); // on the page
    RunFor(1);
    EXPECT_FALSE(regras.botao[0].Visible());
    DragInWindowMode(regras, 300, 300);
}

TEST_F(RulesScreen, ClicksDuringAWipeEndOnThePageChosenLastAtFullHeight) {
    OpenFromMenu();
    auto& regras = *frmRegras;
    // During the first page's roll-up: next.
    Later proxima(regras, 505, [&] { ClickButton(PROXIMA_X); });
    RunFor(1000);
    EXPECT_EQ(regras.Pagina, 2);
    EXPECT_EQ(PageShown(), 2);
    EXPECT_EQ(regras.regra.Height(), 207);
    EXPECT_TRUE(regras.botao[0].Enabled());
    EXPECT_TRUE(regras.botao[1].Enabled());

    // During the roll-down to page 3 (after next's blink): previous, back to 2.
    Later anterior(regras, 200 + 11 + 5, [&] { ClickButton(ANTERIOR_X); });
    ClickButton(PROXIMA_X);
    RunFor(1000);
    EXPECT_EQ(regras.Pagina, 2);
    EXPECT_EQ(PageShown(), 2);
    EXPECT_EQ(regras.regra.Height(), 207);
    EXPECT_TRUE(regras.botao[0].Enabled());
    EXPECT_TRUE(regras.botao[1].Enabled());
}

TEST_F(RulesScreen, GoOnDuringAWipeLeavesNothingActingOnTheClosedScreen) {
    OpenFromMenu();
    auto& regras = *frmRegras;
    const auto fechada = regras.shared_from_this();
    Later continuar(regras, 505, [&] { ClickButton(CONTINUAR_X); });
    RunFor(2000);
    EXPECT_TRUE(frmNome.Loaded());
    EXPECT_FALSE(frmRegras.Loaded());
    // The wipe stopped where the go-on came: rolled up, no page loaded, never shown.
    EXPECT_FALSE(regras.regra.Visible());
    EXPECT_FALSE(regras.regra.Picture());
    EXPECT_LT(regras.regra.Height(), 207);
}

} // namespace
