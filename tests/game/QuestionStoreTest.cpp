// The game screen's question store over a database written by our own writer.
#include "core/Globais.h"
#include "core/Pastas.h"
#include "db/DbTestSupport.h"
#include "game/frmJogo.h"
#include "platform/Error.h"
#include "support/Headless.h"

#include <algorithm>
#include <set>

namespace {

class QuestionStore : public testing_support::HeadlessTest {
  protected:
    QuestionStore() { PastaGraficos = Folder() + "graficos/"; }

    // `rows[level]` questions per level; question i of level l reads "L<l>Q<i>", its right
    // answer "L<l>Q<i>-certa" and the wrong ones "-e1" to "-e3".
    void WriteDatabase(const std::array<int, 4>& rows) {
        std::vector<dbtest::Question> questions;
        int code = 1;
        for (int level = 1; level <= 3; ++level) {
            for (int i = 1; i <= rows[static_cast<std::size_t>(level)]; ++i) {
                const std::string q = "L" + std::to_string(level) + "Q" + std::to_string(i);
                questions.push_back(
                    {level, code++, {q, q + "-certa", q + "-e1", q + "-e2", q + "-e3"}});
            }
        }
        WriteFile("perguntas.txt", dbtest::ToLines(questions));
        std::filesystem::create_directories(Folder() + "graficos");
        const auto result =
            dbtest::WriteDatabase(Folder() + "perguntas.txt", Folder() + "graficos/bot_sc.bmp");
        ASSERT_EQ(result.status, 0) << result.output;
    }

    // The screen's store alone, without the screen's load.
    frmJogoForm& Jogo() {
        if (!jogo_) {
            jogo_ = std::make_shared<frmJogoForm>();
        }
        return *jogo_;
    }

    void Load(int level) {
        Nivel = static_cast<std::int16_t>(level);
        ASSERT_TRUE(Step([this] { Jogo().CarregaNivel(); }));
    }

    std::shared_ptr<frmJogoForm> jogo_;

    static std::vector<std::string> Questions(int from, int to) {
        return {Perguntas.begin() + from, Perguntas.begin() + to + 1};
    }
};

TEST_F(QuestionStore, DatabaseIsFoundUnderTheUpperCasedProgramFolder) {
    WriteDatabase({0, 9, 9, 10});
    WriteFile("setup.lst", "");
    ASSERT_TRUE(Step(DefinePastas));
    ASSERT_EQ(PastaGraficos, Maiusculas(Folder()) + "graficos/");
    Load(1);
    EXPECT_EQ(Jogo().TotalPerguntas, 9);
}

TEST_F(QuestionStore, LevelQueryTextAndDatabaseFile) {
    WriteDatabase({0, 9, 9, 10});
    Load(3);
    EXPECT_EQ(Jogo().dtSC.RecordSource, "Select * FROM dados WHERE nivel = 3");
    EXPECT_EQ(Jogo().dtSC.DatabaseName, Folder() + "graficos/bot_sc.bmp");
    EXPECT_EQ(Jogo().TotalPerguntas, 10);
    EXPECT_EQ(Jogo().PerguntaAtual, 1);
}

TEST_F(QuestionStore, EveryLoadShufflesRowsAndKeepsEachRowsAnswersWithItsRightOne) {
    WriteDatabase({0, 12, 9, 10});
    std::set<std::vector<std::string>> orders;
    for (int load = 0; load < 3; ++load) {
        Load(1);
        auto questions = Questions(1, 12);
        orders.insert(questions);
        std::sort(questions.begin(), questions.end());
        std::vector<std::string> expected;
        for (int i = 1; i <= 12; ++i) {
            expected.push_back("L1Q" + std::to_string(i));
        }
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(questions, expected);
        for (int q = 1; q <= 12; ++q) {
            const std::string& text = Perguntas[q];
            std::vector<std::string> answers(Respostas[q].begin() + 1, Respostas[q].end());
            std::sort(answers.begin(), answers.end());
            EXPECT_EQ(answers, (std::vector<std::string>{text + "-certa", text + "-e1",
                                                         text + "-e2", text + "-e3"}));
            ASSERT_GE(AlternativaCerta[q], 1);
            ASSERT_LE(AlternativaCerta[q], 4);
            EXPECT_EQ(Respostas[q][AlternativaCerta[q]], text + "-certa");
        }
    }
    EXPECT_EQ(orders.size(), 3u);
}

TEST_F(QuestionStore, AboutOneRowInSixKeepsItsStoredOrder) {
    WriteDatabase({0, 12, 9, 10});
    int kept = 0;
    int rows = 0;
    for (int load = 0; load < 200; ++load) {
        Load(1);
        for (int q = 1; q <= 12; ++q, ++rows) {
            const std::string& text = Perguntas[q];
            if (Respostas[q][1] == text + "-certa" && Respostas[q][2] == text + "-e1" &&
                Respostas[q][3] == text + "-e2" && Respostas[q][4] == text + "-e3") {
                ++kept;
                EXPECT_EQ(AlternativaCerta[q], 1);
            }
        }
    }
    // One in six outright, and the shuffle itself gives the stored order one time in 24.
    const double share = static_cast<double>(kept) / rows;
    EXPECT_NEAR(share, 1.0 / 6 + 5.0 / 6 / 24, 0.035);
}

TEST_F(QuestionStore, ShorterLevelLeavesTheEarlierRowsAboveIt) {
    WriteDatabase({0, 12, 7, 10});
    Load(1);
    const auto before = Questions(8, 12);
    Load(2);
    EXPECT_EQ(Questions(8, 12), before);
    for (int q = 1; q <= 7; ++q) {
        EXPECT_EQ(Perguntas[q].substr(0, 3), "L2Q");
    }
}

TEST_F(QuestionStore, EmptyLevelSaysSoOnceAndLeavesTheStore) {
    WriteDatabase({0, 9, 9, 0});
    Load(1);
    const auto before = Questions(1, 9);
    const auto right = AlternativaCerta;
    Load(3);
    ASSERT_EQ(backend().Messages().size(), 1u);
    EXPECT_EQ(backend().Messages()[0].text, "Dados não encontrados!");
    EXPECT_EQ(backend().Messages()[0].title, "Quorvane");
    EXPECT_EQ(Questions(1, 9), before);
    EXPECT_EQ(AlternativaCerta, right);
    EXPECT_EQ(Jogo().TotalPerguntas, 0);
}

TEST_F(QuestionStore, ListingReadsEveryLevelInStoredOrderWithoutTouchingTheStore) {
    WriteDatabase({0, 9, 9, 10});
    Load(2);
    const auto before = Questions(1, 9);
    std::vector<frmJogoForm::LinhaPergunta> lista;
    ASSERT_TRUE(Step([&] { lista = Jogo().LeTodasPerguntas(); }));
    ASSERT_EQ(lista.size(), 28u);
    EXPECT_EQ(lista.front().pergunta, "L1Q1");
    EXPECT_EQ(lista.front().respostas[1], "L1Q1-certa");
    EXPECT_EQ(lista.back().pergunta, "L3Q10");
    EXPECT_EQ(Questions(1, 9), before);
    EXPECT_EQ(Jogo().PerguntaAtual, 1);
}

TEST_F(QuestionStore, MissingOrForeignDatabaseEndsWithAMessageNamingTheFile) {
    Nivel = 1;
    EXPECT_EQ(app().Run([this] { Jogo().CarregaNivel(); }), 1);
    ASSERT_EQ(backend().Messages().size(), 1u);
    EXPECT_NE(backend().Messages()[0].text.find("53"), std::string::npos);
    EXPECT_NE(backend().Messages()[0].text.find("bot_sc.bmp"), std::string::npos);
}

TEST_F(QuestionStore, TextFileInPlaceOfTheDatabaseNeverReachesTheEngine) {
    WriteFile("graficos/bot_sc.bmp", "BM this is a picture, not a database");
    Nivel = 1;
    try {
        Jogo().CarregaNivel();
        FAIL() << "a foreign file was accepted";
    } catch (const ui::RuntimeError& e) {
        EXPECT_EQ(e.Number(), 3343);
        EXPECT_NE(std::string(e.what()).find("bot_sc.bmp"), std::string::npos);
    }
    EXPECT_EQ(Perguntas[1], "");
}

} // namespace
