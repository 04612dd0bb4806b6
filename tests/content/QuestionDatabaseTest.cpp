// The generated question database, read through the game's own data control.
#include "platform/DataControl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

namespace {

std::string Normalised(std::string s) {
    s.erase(0, s.find_first_not_of(' '));
    s.erase(s.find_last_not_of(' ') + 1);
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

TEST(QuestionDatabase, EveryLevelHasEnoughCompleteQuestionsWithDistinctAnswers) {
    ui::DataControl dtSC;
    dtSC.DatabaseName = std::string(QV_GAME_DIR) + "/Graficos/bot_sc.bmp";
    for (int level = 1; level <= 3; ++level) {
        dtSC.RecordSource = "Select * FROM dados WHERE nivel = " + std::to_string(level);
        dtSC.Refresh();
        EXPECT_GE(dtSC.RecordCount(), 150) << "level " << level;
        for (dtSC.MoveFirst(); !dtSC.EOF_(); dtSC.MoveNext()) {
            const long cod = dtSC.FieldInt("cod");
            EXPECT_FALSE(dtSC.FieldText("pergunta").empty()) << cod;
            std::array<std::string, 4> answers;
            for (int a = 0; a < 4; ++a) {
                answers[a] = Normalised(dtSC.FieldText("resp" + std::to_string(a + 1)));
                EXPECT_FALSE(answers[a].empty()) << cod;
            }
            std::sort(answers.begin(), answers.end());
            EXPECT_EQ(std::adjacent_find(answers.begin(), answers.end()), answers.end()) << cod;
        }
    }
}

} // namespace
