#include "core/Config.h"
#include "core/Globais.h"
#include "core/Pastas.h"
#include "support/Headless.h"

#include <filesystem>

using testing_support::HeadlessTest;

namespace {

// Full screen, no position, both switches on, no name, an empty board.
const std::string EXEMPLO = "2\r\n-9600\r\n-7200\r\n#TRUE#\r\n#TRUE#\r\n\"\"\r\n"
                            "\"\"\r\n0\r\n\"\"\r\n0\r\n\"\"\r\n0\r\n\"\"\r\n0\r\n\"\"\r\n0\r\n";

const std::string CHEIO = "1\r\n1500\r\n-300\r\n#FALSE#\r\n#TRUE#\r\n\"ANA MARIA\"\r\n"
                          "\"JOSE\"\r\n22\r\n\"ANA MARIA\"\r\n9\r\n\"BIA\"\r\n9\r\n"
                          "\"\"\r\n0\r\n\"\"\r\n0\r\n";

class Config : public HeadlessTest {
  protected:
    Config() {
        WriteFile("setup.lst", "");
        InicializaGlobais();
        DefinePastas();
        ValoresPadrao();
    }
};

} // namespace

TEST_F(Config, ExampleFileAndAFullBoardRoundTripByteForByte) {
    for (const std::string& arquivo : {EXEMPLO, CHEIO}) {
        WriteFile("config.ini", arquivo);
        InicializaGlobais();
        LeConfig();
        WriteFile("config.ini", "");
        SalvaConfig();
        EXPECT_EQ(ReadFile("config.ini"), arquivo);
    }
    EXPECT_EQ(ModoTela, 1);
    EXPECT_EQ(JanelaEsquerda, 1500);
    EXPECT_EQ(JanelaTopo, -300);
    EXPECT_EQ(MusicaLigada, FALSO);
    EXPECT_EQ(SomLigado, VERDADEIRO);
    EXPECT_EQ(NomeJogador, "ANA MARIA");
    EXPECT_EQ(PlacarNome[2], "ANA MARIA");
    EXPECT_EQ(PlacarNivel[1], 22);
}

TEST_F(Config, LinesAfterTheSixteenValuesAreIgnored) {
    WriteFile("config.ini", CHEIO + "\"SOBRA\"\r\n7\r\nlixo,\"x\r\n");
    LeConfig();
    EXPECT_EQ(PlacarNome[5], "");
    EXPECT_EQ(PlacarNivel[5], 0);
    EXPECT_EQ(NomeJogador, "ANA MARIA");
}

// A damaged value falls back to its start-up value, a rung outside the ladder to 0, and a
// mode outside 1 and 2 is kept; a short file leaves the rest at their start-up values.
TEST_F(Config, DamagedAndMissingValues) {
    WriteFile("config.ini", "7\r\nesquerda\r\n99999999999\r\nsim\r\n#FALSE#\r\nNOME SEM ASPAS\r\n"
                            "\"A\"\r\n23\r\n\"B\"\r\n-1\r\n\"C\"\r\n3\r\n");
    LeConfig();
    EXPECT_EQ(ModoTela, 7);
    EXPECT_EQ(JanelaEsquerda, -9600);
    EXPECT_EQ(JanelaTopo, -7200);
    EXPECT_EQ(MusicaLigada, VERDADEIRO);
    EXPECT_EQ(SomLigado, FALSO);
    EXPECT_EQ(NomeJogador, "NOME SEM ASPAS");
    EXPECT_EQ(PlacarNivel[1], 0);
    EXPECT_EQ(PlacarNivel[2], 0);
    EXPECT_EQ(PlacarNivel[3], 3);
    EXPECT_EQ(PlacarNome[4], "");
    EXPECT_EQ(PlacarNivel[5], 0);
}

TEST_F(Config, FailedWriteKeepsTheOldFileAndTheExitGoesOn) {
    WriteFile("config.ini", CHEIO);
    std::filesystem::create_directory(Folder() + "config.ini.novo");
    ZeraPlacar();
    ASSERT_TRUE(Step(SalvaConfig));
    ASSERT_EQ(backend().Messages().size(), 1u);
    EXPECT_EQ(backend().Messages()[0].style, ui::vbExclamation);
    EXPECT_NE(backend().Messages()[0].text.find("config.ini"), std::string::npos);
    EXPECT_EQ(ReadFile("config.ini"), CHEIO);

    PastaPrograma = Folder() + "nao/existe/";
    ASSERT_TRUE(Step(SalvaConfig));
    EXPECT_EQ(backend().Messages().size(), 2u);
}

TEST_F(Config, ClearedBoardReachesTheFileOnlyAtTheNextSave) {
    WriteFile("config.ini", CHEIO);
    LeConfig();
    ZeraPlacar();
    EXPECT_EQ(ReadFile("config.ini"), CHEIO);
    SalvaConfig();
    EXPECT_EQ(ReadFile("config.ini").substr(CHEIO.find("\"JOSE\"")),
              "\"\"\r\n0\r\n\"\"\r\n0\r\n\"\"\r\n0\r\n\"\"\r\n0\r\n\"\"\r\n0\r\n");
    EXPECT_EQ(NomeJogador, "ANA MARIA");
}
