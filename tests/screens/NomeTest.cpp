// Scenario tests of the name entry: editing, confirming into a new game, the exit screen over
// it and the window's roll-up.
#include "core/Globais.h"
#include "game/frmJogo.h"
#include "game/frmStatus.h"
#include "platform/headless/HeadlessAudio.h"
#include "screens/frmMenu.h"
#include "screens/frmNome.h"
#include "screens/frmSaida.h"
#include "support/ScreenTest.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

class NameEntry : public testing_support::ScreenTest {
  protected:
    // The name entry as the menu's Enter opens it, with `nome` as the last player.
    void Abre(const std::string& nome = "") {
        StartAtMenu();
        NomeJogador = nome;
        PressKey(13);
        RunFor(600);
        ASSERT_TRUE(frmNome.Loaded());
        ASSERT_FALSE(frmMenu.Loaded());
    }

    void Digita(const std::string& teclas) {
        for (char c : teclas) {
            PressKey(c == '\b' ? 8 : c);
        }
        RunFor(1);
    }

    static std::string Mostrado() { return frmNome->lblNome.Caption(); }

    // The cursor under the end of the name and the shadow on it.
    static void CursorNoFim() {
        const auto& tela = *frmNome;
        const auto& nome = tela.lblNome;
        EXPECT_EQ(tela.lblSombra.Caption(), nome.Caption());
        EXPECT_EQ(tela.lblSombra.Left(), nome.Left() + 2);
        EXPECT_EQ(tela.lblSombra.Top(), nome.Top() + 2);
        EXPECT_EQ(tela.Cursor.X1(), std::nearbyint(nome.Left() + nome.Width()));
        EXPECT_EQ(tela.Cursor.X2(), tela.Cursor.X1() + 20);
        EXPECT_EQ(tela.Cursor.Y1(), std::nearbyint(nome.Top() + nome.Height()));
        EXPECT_EQ(tela.Cursor.Y2(), tela.Cursor.Y1());
    }

    int Contagem(const std::string& texto) {
        const auto& log = audio().Log();
        return static_cast<int>(std::count_if(log.begin(), log.end(), [&](const auto& linha) {
            return linha.find(texto) != std::string::npos;
        }));
    }
};

TEST_F(NameEntry, TypingKeepsTenLettersAndTheCursorFollowsTheName) {
    Abre();
    Digita("\b");
    EXPECT_EQ(Mostrado(), "");
    EXPECT_EQ(frmNome->Cursor.X1(), 156);
    CursorNoFim();
    // Digits, punctuation, arrows, Delete and the keypad are ignored.
    for (int tecla : {49, 188, 37, 46, 96, 222}) {
        PressKey(tecla);
    }
    PressKey(65, 1); // Shift+A is still "A"
    Digita("BCDE GHIJKL");
    EXPECT_EQ(Mostrado(), "ABCDE GHIJ");
    EXPECT_EQ(frmNome->TamanhoNome, 10);
    CursorNoFim();
    Digita("\b\b");
    EXPECT_EQ(Mostrado(), "ABCDE GH");
    CursorNoFim();
}

TEST_F(NameEntry, ATwelveLetterNameFromTheSettingsIsShownWholeAndTakesLettersOnlyBelowTen) {
    Abre("ABCDEFGHIJKL");
    EXPECT_EQ(Mostrado(), "ABCDEFGHIJKL");
    EXPECT_EQ(frmNome->lblSombra.Caption(), "ABCDEFGHIJKL");
    Digita("X\b\bX");
    EXPECT_EQ(Mostrado(), "ABCDEFGHIJ");
    Digita("\bX");
    EXPECT_EQ(Mostrado(), "ABCDEFGHIX");
    CursorNoFim();
}

TEST_F(NameEntry, AMultiByteCharacterFromTheSettingsIsErasedWhole) {
    Abre("JO\xC3\x83O");
    EXPECT_EQ(frmNome->TamanhoNome, 4);
    Digita("\b\b");
    EXPECT_EQ(Mostrado(), "JO");
}

TEST_F(NameEntry, AnEmptyNameIsRefusedAndASingleSpaceStartsAGame) {
    Abre();
    Sampler<bool> piscada(*frmNome, 40, [] { return frmNome->botao[0].Visible(); });
    backend().Advance(20);
    PressKey(13);
    RunFor(600);
    EXPECT_EQ(Contagem("switch.WAV"), 1);
    EXPECT_NE(std::count(piscada.seen.begin(), piscada.seen.end(), true), 0);
    EXPECT_FALSE(Sim(EntradaTravada));
    EXPECT_FALSE(frmStatus.Loaded());
    Digita(" ");
    PressKey(13);
    RunFor(600);
    EXPECT_FALSE(frmNome.Loaded());
    EXPECT_TRUE(frmStatus.Loaded());
    EXPECT_EQ(NomeJogador, " ");
}

TEST_F(NameEntry, EnterTwiceConfirmsOnceAndTheStatusScreenOpensTheGame) {
    Abre("ZE");
    NumPergunta = 7;
    Digita("\b\bANA");
    PressKey(13);
    PressKey(13); // ignored: the first confirmation holds the input lock
    RunFor(500);
    EXPECT_EQ(NomeJogador, "ANA");
    EXPECT_EQ(NumPergunta, 1);
    EXPECT_TRUE(Sim(NovoJogo));
    EXPECT_EQ(Contagem("switch.WAV"), 1);
    EXPECT_EQ(Contagem("boasorte.WAV 2"), 1);
    EXPECT_FALSE(frmNome.Loaded());
    // Still waiting for its start: a second Enter would have closed it at once.
    ASSERT_TRUE(frmStatus.Loaded());
    RunFor(5000);
    EXPECT_TRUE(Mentions("valores-01.wav"));
    EXPECT_FALSE(frmStatus.Loaded());
    EXPECT_TRUE(frmJogo.Loaded());
    // Confirming alone does not write the settings file.
    EXPECT_EQ(ReadFile("config.ini"), "");
}

TEST_F(NameEntry, F2SavesTheOldNameAndTheTypedOneSurvivesTheExitScreensNo) {
    Abre("OLGA");
    Digita("\b\b\b\bRUI");
    bool sobre = false;
    std::string config;
    // The exit screen is modal: the player answers it from inside its wait.
    const Later resposta(*frmNome, 1000, [&] {
        sobre = frmSaida.Loaded() && frmNome.Loaded();
        config = ReadFile("config.ini");
        ClickOnStage(*frmSaida, 520, 410); // stay
    });
    PressKey(113);
    RunFor(1500);
    EXPECT_TRUE(sobre);
    EXPECT_NE(config.find("\"OLGA\""), std::string::npos);
    EXPECT_EQ(config.find("RUI"), std::string::npos);
    EXPECT_FALSE(frmSaida.Loaded());
    EXPECT_EQ(ui::App().TopForm(), frmNome.Peek());
    Digita("Z");
    EXPECT_EQ(Mostrado(), "RUIZ");
    EXPECT_EQ(NomeJogador, "OLGA");
}

TEST_F(NameEntry, F3GoesBackToTheMenu) {
    Abre();
    PressKey(114);
    RunFor(600);
    EXPECT_FALSE(frmNome.Loaded());
    EXPECT_TRUE(frmMenu.Loaded());
}

TEST_F(NameEntry, RightButtonRollsTheWindowUpAndDownInWindowModeOnly) {
    Abre();
    const auto direito = [&] {
        const auto [x, y] = StageInWindow(*frmNome);
        backend().Push({ui::InputEvent::Kind::MouseDown, x + 300, y + 10, 2, 0, 0});
        backend().Push({ui::InputEvent::Kind::MouseUp, x + 300, y + 10, 2, 0, 0});
        RunFor(1);
    };
    const int telaCheia = frmNome->Height();
    direito(); // full screen: nothing
    EXPECT_EQ(frmNome->Height(), telaCheia);
    EXPECT_EQ(Contagem("wood.WAV"), 0);

    ASSERT_TRUE(Step([] { frmNome->ImagemControl_Click(1); }));
    ASSERT_EQ(ModoTela, 1);
    const int esquerda = frmNome->Left();
    direito();
    EXPECT_EQ(frmNome->Height(), 33 * 15);
    EXPECT_EQ(frmNome->Left(), esquerda);
    EXPECT_EQ(Contagem("wood.WAV"), 2);
    direito();
    EXPECT_EQ(frmNome->Height(), 480 * 15);
    EXPECT_EQ(Contagem("wood.WAV"), 3);
}

} // namespace
