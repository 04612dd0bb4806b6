// Scenario tests of a game's end: the prize and congratulations screens and the score board,
// reached by setting the result as the game screen leaves it.
#include "core/Globais.h"
#include "core/Premios.h"
#include "platform/Colour.h"
#include "platform/headless/HeadlessAudio.h"
#include "screens/frmMenu.h"
#include "screens/frmParabens.h"
#include "screens/frmPlacar.h"
#include "screens/frmPremio.h"
#include "support/ScreenTest.h"

#include <SDL.h>

#include <array>
#include <cstring>

namespace {

constexpr std::uint32_t AMARELO = ui::RGB(255, 255, 0);
constexpr std::uint32_t BRANCO = ui::RGB(255, 255, 255);

// The picture shown is the named one of the generated content, pixel for pixel.
bool SamePicture(const ui::Picture& shown, const std::string& name) {
    const auto expected =
        ui::Picture::FromFile(std::string(QV_GAME_DIR) + "/Package/Graficos/" + name + ".bmp");
    if (!shown || shown.Width() != expected.Width() || shown.Height() != expected.Height()) {
        return false;
    }
    const SDL_Surface* a = shown.Surface();
    const SDL_Surface* b = expected.Surface();
    const auto row = static_cast<std::size_t>(a->w * a->format->BytesPerPixel);
    for (int y = 0; y < a->h; ++y) {
        if (std::memcmp(static_cast<const char*>(a->pixels) + y * a->pitch,
                        static_cast<const char*>(b->pixels) + y * b->pitch, row) != 0) {
            return false;
        }
    }
    return true;
}

class EndOfGame : public testing_support::ScreenTest {
  protected:
    // Rows named "A" to "E" with the given rungs; a row of rung 0 is empty.
    static void Board(const std::array<int, 5>& rungs) {
        for (int r = 1; r <= 5; ++r) {
            const int rung = rungs[static_cast<std::size_t>(r - 1)];
            PlacarNome[r] = rung == 0 ? "" : std::string(1, static_cast<char>('A' + r - 1));
            PlacarNivel[r] = static_cast<std::uint8_t>(rung);
        }
    }
    static std::vector<int> Rungs() { return {PlacarNivel.begin() + 1, PlacarNivel.end()}; }
    static std::vector<std::string> Names() { return {PlacarNome.begin() + 1, PlacarNome.end()}; }

    // The menu closed, as the game screen's end finds the program, with the board and the
    // game's result.
    void EndGame(const std::array<int, 5>& rungs, std::uint8_t indice) {
        StartAtMenu();
        Board(rungs);
        ASSERT_TRUE(Step([&] {
            frmMenu->Unload();
            NomeJogador = "ANA";
            IndicePremio = indice;
        }));
    }

    // The narration player's commands logged after the first `from` lines.
    std::vector<std::string> NarrationSince(std::size_t from) {
        std::vector<std::string> commands;
        const auto& log = audio().Log();
        for (std::size_t i = from; i < log.size(); ++i) {
            if (log[i].rfind("MMControl1 ", 0) == 0) {
                commands.push_back(log[i].substr(11));
            }
        }
        return commands;
    }

    // The board opened with rows 22, 15, 15, 9, 4 and a new 15, which enters row 4.
    void BoardWithNewRowFour() {
        EndGame({22, 15, 15, 9, 4}, 15);
        ASSERT_TRUE(Step([] { frmPlacar.Show(); }));
        ASSERT_EQ(frmPlacar->PosicaoNova, 4);
    }

    void ClickMenu() { ClickOnStage(*frmPlacar, 575, 415); }
    void ClickClear() { ClickOnStage(*frmPlacar, 60, 410); }
};

TEST_F(EndOfGame, WrongOnTheLastQuestionShowsNothingWonThenTheUnchangedBoard) {
    EndGame({22, 15, 15, 9, 4}, 0);
    ASSERT_TRUE(Step([] { frmPremio.Show(); }));
    auto& premio = *frmPremio;
    EXPECT_TRUE(SamePicture(premio.imagem_ganhou.Picture(), "vocenaoganhou"));
    EXPECT_TRUE(SamePicture(premio.Imagem_premio.Picture(), "0"));
    RunFor(5999);
    EXPECT_TRUE(frmPremio.Loaded());
    EXPECT_FALSE(frmPlacar.Loaded());
    RunFor(2);
    EXPECT_FALSE(frmPremio.Loaded());
    ASSERT_TRUE(frmPlacar.Loaded());
    EXPECT_EQ(Rungs(), (std::vector<int>{22, 15, 15, 9, 4}));
    EXPECT_EQ(frmPlacar->PosicaoNova, 0);
}

TEST_F(EndOfGame, StopOnTheLastQuestionShowsItsAmountUnderTheNarrationAndEntersIt) {
    EndGame({22, 15, 15, 9, 4}, 21);
    const std::size_t before = audio().Log().size();
    ASSERT_TRUE(Step([] { frmPremio.Show(); }));
    auto& premio = *frmPremio;
    EXPECT_TRUE(premio.imagem_ganhou.Picture());
    EXPECT_FALSE(SamePicture(premio.imagem_ganhou.Picture(), "vocenaoganhou"));
    EXPECT_TRUE(SamePicture(premio.Imagem_premio.Picture(), "500000"));
    const auto narration = NarrationSince(before);
    ASSERT_EQ(narration.size(), 3u);
    EXPECT_EQ(narration[0], "close");
    EXPECT_NE(narration[1].find("audio/trilha07.wav"), std::string::npos);
    EXPECT_EQ(narration[2], "play");
    EXPECT_TRUE(audio().Playing("MMControl1"));

    RunFor(6001);
    ASSERT_TRUE(frmPlacar.Loaded());
    EXPECT_EQ(NarrationSince(before).size(), 3u); // it plays on under the board
    EXPECT_EQ(Rungs(), (std::vector<int>{22, 21, 15, 15, 9}));
    EXPECT_EQ(Names(), (std::vector<std::string>{"A", "ANA", "B", "C", "D"}));
    EXPECT_EQ(frmPlacar->lblPremio[1].Caption(), "500 MIL");
    EXPECT_EQ(IndicePremio, 0);
}

TEST_F(EndOfGame, TheMillionBlinksTheCongratulationsThenGoesBelowTheEarlierMillion) {
    EndGame({22, 0, 0, 0, 0}, 22);
    const std::size_t before = audio().Log().size();
    ASSERT_TRUE(Step([] { frmParabens.Show(); }));
    auto& parabens = *frmParabens;
    EXPECT_NE(NarrationSince(before).at(1).find("audio/parabens.wav"), std::string::npos);
    EXPECT_TRUE(audio().Playing("MMControl1"));
    Sampler<bool> banner(parabens, 100, [&] { return parabens.Imagem_Parabens.Visible(); });
    RunFor(850);
    // Hidden until its first toggle at 250 ms, then every 200 ms.
    EXPECT_EQ(banner.seen, (std::vector<bool>{false, false, true, true, false, false, true, true}));
    RunFor(13049 - 850);
    EXPECT_TRUE(frmParabens.Loaded());
    RunFor(2);
    EXPECT_FALSE(frmParabens.Loaded());
    ASSERT_TRUE(frmPlacar.Loaded());
    EXPECT_EQ(NarrationSince(before).back(), "stop");
    EXPECT_EQ(Names(), (std::vector<std::string>{"A", "ANA", "", "", ""}));
    EXPECT_EQ(frmPlacar->PosicaoNova, 2);
    EXPECT_EQ(frmPlacar->lblPremio[1].Caption(), "1 MILHÃO");
}

// Rungs the ladder does not have (a damaged file's) rank below every real row, keep their
// bytes and show empty: a result enters above them, also below a full board of real rows, and
// the lowest row drops off, damaged or not.
TEST_F(EndOfGame, InsertionGoesAboveTheFirstSmallerRungBelowEqualOnesAndAboveDamagedOnes) {
    struct Caso {
        std::array<int, 5> board;
        int novo;
        std::vector<int> rungs;
        std::vector<std::string> names;
        int row;
    };
    const Caso casos[] = {
        {{22, 15, 15, 9, 4}, 15, {22, 15, 15, 15, 9}, {"A", "B", "C", "ANA", "D"}, 4},
        {{22, 15, 15, 9, 4}, 4, {22, 15, 15, 9, 4}, {"A", "B", "C", "D", "E"}, 0},
        {{22, 15, 15, 9, 4}, 1, {22, 15, 15, 9, 4}, {"A", "B", "C", "D", "E"}, 0},
        {{9, 5, 0, 0, 0}, 16, {16, 9, 5, 0, 0}, {"ANA", "A", "B", "", ""}, 1},
        {{22, 0, 0, 0, 0}, 22, {22, 22, 0, 0, 0}, {"A", "ANA", "", "", ""}, 2},
        {{0, 0, 0, 0, 0}, 3, {3, 0, 0, 0, 0}, {"ANA", "", "", "", ""}, 1},
        {{255, 23, 9, 0, 0}, 1, {9, 1, 0, 0, 255}, {"C", "ANA", "", "", "A"}, 2},
        {{22, 15, 9, 4, 255}, 2, {22, 15, 9, 4, 2}, {"A", "B", "C", "D", "ANA"}, 5},
        {{22, 255, 15, 23, 9}, 4, {22, 15, 9, 4, 255}, {"A", "C", "E", "ANA", "B"}, 4},
    };
    StartAtMenu();
    NomeJogador = "ANA";
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.novo);
        Board(caso.board);
        IndicePremio = static_cast<std::uint8_t>(caso.novo);
        ASSERT_TRUE(Step([] { frmPlacar.Show(); }));
        EXPECT_EQ(Rungs(), caso.rungs);
        EXPECT_EQ(Names(), caso.names);
        EXPECT_EQ(frmPlacar->PosicaoNova, caso.row);
        EXPECT_EQ(IndicePremio, 0);
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(frmPlacar->lblNome[i].Caption(), caso.names[i]);
            EXPECT_EQ(frmPlacar->lblPremio[i].Caption(),
                      TextoDoDegrau(static_cast<std::uint8_t>(caso.rungs[i])));
        }
        ASSERT_TRUE(Step([] { frmPlacar->Unload(); }));
    }
}

TEST_F(EndOfGame, ANewBestIsYellowAboveWhiteRowsAndEmptyRowsHideTheirPrize) {
    EndGame({9, 5, 0, 0, 0}, 16);
    ASSERT_TRUE(Step([] { frmPlacar.Show(); }));
    auto& placar = *frmPlacar;
    EXPECT_EQ(placar.lblNome[0].Caption(), "ANA");
    EXPECT_EQ(placar.lblPremio[0].Caption(), "100 MIL");
    EXPECT_EQ(placar.lblNome[0].ForeColor(), AMARELO);
    EXPECT_EQ(placar.lblPremio[0].ForeColor(), AMARELO);
    EXPECT_EQ(placar.lblNome[1].Caption(), "A");
    EXPECT_EQ(placar.lblNome[1].ForeColor(), BRANCO);
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(placar.lblPremio[i].Visible(), i < 3);
        EXPECT_EQ(placar.lblNomeSombra[i].Caption(), placar.lblNome[i].Caption());
        EXPECT_EQ(placar.lblPremioSombra[i].Caption(), placar.lblPremio[i].Caption());
    }
}

TEST_F(EndOfGame, TheNewRowBlinksNineTimesAfterOneSecondAndEndsShown) {
    BoardWithNewRowFour();
    auto& placar = *frmPlacar;
    // Samples every 80 ms fall halfway between the toggles at 1000, 1080 ... 1640 ms.
    Sampler<bool> nome(placar, 80, [&] { return placar.lblNome[3].Visible(); });
    Sampler<bool> premio(placar, 80, [&] { return placar.lblPremioSombra[3].Visible(); });
    RunFor(1900);
    std::vector<bool> pattern(12, true); // 80 ... 960 ms
    for (int i = 0; i < 9; ++i) {
        pattern.push_back(i % 2 == 1); // 1040 ... 1680 ms
    }
    pattern.insert(pattern.end(), {true, true}); // 1760, 1840 ms
    EXPECT_EQ(nome.seen, pattern);
    EXPECT_EQ(premio.seen, pattern);
    EXPECT_TRUE(placar.lblNomeSombra[3].Visible());
    EXPECT_TRUE(placar.lblPremio[3].Visible());
}

TEST_F(EndOfGame, ClearWithinTheFirstSecondEmptiesTheBoardWithoutABlinkNorASave) {
    BoardWithNewRowFour();
    auto& placar = *frmPlacar;
    Sampler<bool> nome(placar, 40, [&] { return placar.lblNome[3].Visible(); });
    RunFor(950); // the clear's own blink outlasts the first second
    ClickClear();
    RunFor(2000);
    EXPECT_EQ(std::count(nome.seen.begin(), nome.seen.end(), false), 0);
    EXPECT_EQ(Names(), std::vector<std::string>(5));
    EXPECT_EQ(Rungs(), std::vector<int>(5));
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(placar.lblNome[i].Caption(), "");
        EXPECT_FALSE(placar.lblPremio[i].Visible());
        EXPECT_FALSE(placar.lblPremioSombra[i].Visible());
    }
    EXPECT_TRUE(frmPlacar.Loaded());
    EXPECT_EQ(ReadFile("config.ini"), "");
}

// The clear runs inside the blink's wait; the blink must not bring the emptied row's prize
// text ("0") back when it resumes.
TEST_F(EndOfGame, ClearDuringTheBlinkLeavesTheClearedRowEmpty) {
    BoardWithNewRowFour();
    auto& placar = *frmPlacar;
    Later clear(placar, 1100, [this] { ClickClear(); });
    Sampler<bool> premio(placar, 40, [&] { return placar.lblPremio[3].Visible(); });
    RunFor(3000);
    // The clear's blink ends at 1500 ms.
    EXPECT_EQ(std::count(premio.seen.begin() + 1520 / 40, premio.seen.end(), true), 0);
    EXPECT_EQ(Names(), std::vector<std::string>(5));
    EXPECT_EQ(placar.PosicaoNova, 0);
    EXPECT_EQ(placar.lblNome[3].Caption(), "");
    EXPECT_TRUE(placar.lblNome[3].Visible());
    EXPECT_FALSE(placar.lblPremio[3].Visible());
    EXPECT_FALSE(placar.lblPremioSombra[3].Visible());
}

// The menu button, clicked while the row is hidden, closes the board inside the blink's wait:
// the blink stops there, leaving the closed screen as it was.
TEST_F(EndOfGame, MenuDuringTheBlinkClosesTheBoardWhichTheBlinkNoLongerTouches) {
    BoardWithNewRowFour();
    auto& placar = *frmPlacar;
    const auto keep = placar.shared_from_this();
    Later menu(placar, 1040, [this] { ClickMenu(); });
    RunFor(3000);
    EXPECT_FALSE(frmPlacar.Loaded());
    ASSERT_TRUE(frmMenu.Loaded());
    EXPECT_EQ(ui::App().TopForm(), frmMenu.Peek());
    EXPECT_FALSE(placar.lblNome[3].Visible());
    EXPECT_FALSE(placar.lblPremio[3].Visible());
    EXPECT_EQ(Rungs(), (std::vector<int>{22, 15, 15, 15, 9}));
}

// Opened from the menu the board enters nothing and nothing blinks; rungs beyond the ladder
// from a damaged settings file show as empty texts.
TEST_F(EndOfGame, FromTheMenuTheBoardEntersNothingAndRungsBeyondTheLadderShowEmpty) {
    WriteFile("config.ini",
              "2\r\n-9600\r\n-7200\r\n#TRUE#\r\n#TRUE#\r\n\"ANA\"\r\n"
              "\"A\"\r\n23\r\n\"B\"\r\n255\r\n\"C\"\r\n9\r\n\"\"\r\n0\r\n\"\"\r\n0\r\n");
    StartAtMenu();
    ClickOnStage(*frmMenu, 60, 400);
    RunFor(600);
    ASSERT_TRUE(frmPlacar.Loaded());
    auto& placar = *frmPlacar;
    Sampler<bool> nome(placar, 40, [&] { return placar.lblNome[0].Visible(); });
    RunFor(2000);
    EXPECT_EQ(std::count(nome.seen.begin(), nome.seen.end(), false), 0);
    EXPECT_EQ(placar.PosicaoNova, 0);
    EXPECT_EQ(Rungs(), (std::vector<int>{23, 255, 9, 0, 0}));
    EXPECT_EQ(placar.lblNome[1].Caption(), "B");
    EXPECT_EQ(placar.lblPremio[0].Caption(), "");
    EXPECT_EQ(placar.lblPremio[1].Caption(), "");
    EXPECT_EQ(placar.lblPremio[2].Caption(), "10 MIL");
}

} // namespace
