#include "DbTestSupport.h"

#include <gtest/gtest.h>

using namespace dbtest;

namespace {

std::vector<std::string> Fields(const Question& q) {
    std::vector<std::string> out = {std::to_string(q.level), std::to_string(q.code)};
    out.insert(out.end(), q.texts.begin(), q.texts.end());
    return out;
}

// Rows of '|'-separated output, blank lines skipped.
std::vector<std::vector<std::string>> Rows(const std::string& output) {
    std::vector<std::vector<std::string>> rows;
    for (const std::string& line : Split(output, '\n')) {
        if (!line.empty()) {
            rows.push_back(Split(line, '|'));
        }
    }
    return rows;
}

class WrittenDatabase : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        questions_ = SampleQuestions(2000);
        WriteFile(dir_ / "q.txt", ToLines(questions_));
        ASSERT_EQ(WriteDatabase(dir_ / "q.txt", dir_ / "q.mdb").status, 0);
    }
    static std::string Db() {
        std::string quoted = "'";
        quoted += (dir_ / "q.mdb").string();
        return quoted += "'";
    }

    static inline TempDir dir_;
    static inline std::vector<Question> questions_;
};

TEST_F(WrittenDatabase, ToolsSeeOneTableWithTheSevenFields) {
    EXPECT_EQ(Shell("mdb-ver " + Db()).output, "JET4\n");
    EXPECT_EQ(Shell("mdb-tables -1 " + Db()).output, "dados\n");
    const std::string schema = Shell("mdb-schema " + Db() + " 2>/dev/null").output;
    for (const char* field : {"[nivel]\t\t\tLong Integer", "[cod]\t\t\tInteger",
                              "[pergunta]\t\t\tText (255)", "[resp4]\t\t\tText (255)"}) {
        EXPECT_NE(schema.find(field), std::string::npos) << field << "\n" << schema;
    }
}

TEST_F(WrittenDatabase, ExportGivesEveryRowBackExactly) {
    auto rows = Rows(Shell("mdb-export -H -Q -d '|' " + Db() + " dados").output);
    ASSERT_EQ(rows.size(), questions_.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ASSERT_EQ(rows[i], Fields(questions_[i])) << "row " << i;
    }
}

TEST_F(WrittenDatabase, SqlLevelQuerySelectsOneLevelInFileOrder) {
    auto rows =
        Rows(Shell("printf 'Select * FROM dados WHERE nivel = 2\\ngo\\n' | mdb-sql -P -H -F "
                   "-d '|' " +
                   Db())
                 .output);
    ASSERT_EQ(rows.size(), 2000u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ASSERT_EQ(rows[i], Fields(questions_[2000 + i])) << "row " << i;
    }
}

TEST(MdbWrite, SameInputGivesSameBytes) {
    TempDir dir;
    WriteFile(dir / "q.txt", ToLines(SampleQuestions(30)));
    ASSERT_EQ(WriteDatabase(dir / "q.txt", dir / "a.mdb").status, 0);
    ASSERT_EQ(WriteDatabase(dir / "q.txt", dir / "b.mdb").status, 0);
    EXPECT_EQ(ReadFile(dir / "a.mdb"), ReadFile(dir / "b.mdb"));
    EXPECT_EQ(fs::file_size(dir / "a.mdb") % 4096, 0u);
}

TEST(MdbWrite, EmptyListGivesAnEmptyTable) {
    TempDir dir;
    WriteFile(dir / "q.txt", "# nothing yet\n");
    ASSERT_EQ(WriteDatabase(dir / "q.txt", dir / "q.mdb").status, 0);
    EXPECT_EQ(Shell("mdb-export -H '" + (dir / "q.mdb").string() + "' dados").output, "");
}

TEST(MdbWrite, BadLineStopsWithItsNumberAndWritesNothing) {
    const std::string good = "1\t1\ta\tb\tc\td\te\n";
    const std::string long256 = Repeat("é", 256);
    std::string overfull;
    for (int i = 0; i < 2001; ++i) {
        overfull += "2\t" + std::to_string(i) + "\ta\tb\tc\td\te\n";
    }
    struct Case {
        std::string content;
        int line;
        std::string reason;
    };
    const std::vector<Case> cases = {
        {good + "1\t2\ta\tb\tc\td\n", 2, "7 TAB-separated fields"},
        {"\n# c\n" + good + "1\t2\ta\tb\tc\td\te\tf\n", 4, "found 8"},
        {good + "4\t2\ta\tb\tc\td\te\n", 2, "level"},
        {good + "x\t2\ta\tb\tc\td\te\n", 2, "level"},
        {good + "1\t32768\ta\tb\tc\td\te\n", 2, "code"},
        {good + "1\t-32769\ta\tb\tc\td\te\n", 2, "code"},
        {good + "1\t 3\ta\tb\tc\td\te\n", 2, "code"},
        {good + "2\t1\ta\tb\tc\td\te\n", 2, "already used on line 1"},
        {good + "1\t2\ta\tb\t\td\te\n", 2, "wrong answer 1 is empty"},
        {good + "1\t2\t" + long256 + "\tb\tc\td\te\n", 2, "longer than 255"},
        {good + "1\t2\ta\t\xC3\x28\tc\td\te\n", 2, "invalid UTF-8"},
        {good + "1\t2\ta\t\xC0\xAF\tc\td\te\n", 2, "invalid UTF-8"},
        {good + "1\t2\ta\tb\tc\td\t\xE2\x82\n", 2, "invalid UTF-8"},
        {good + "1\t2\ta\tb\t\xF0\x9F\x98\x80\td\te\n", 2, "Basic Multilingual Plane"},
        {overfull, 2001, "more than 2000 questions for level 2"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        WriteFile(dir / "q.txt", c.content);
        WriteFile(dir / "q.mdb", "old");
        Result r = WriteDatabase(dir / "q.txt", dir / "q.mdb");
        const std::string where = (dir / "q.txt").string() + ":" + std::to_string(c.line) + ": ";
        EXPECT_NE(r.status, 0) << c.reason;
        EXPECT_EQ(r.output.rfind(where, 0), 0u) << r.output;
        EXPECT_NE(r.output.find(c.reason), std::string::npos) << r.output;
        EXPECT_EQ(ReadFile(dir / "q.mdb"), "old");
        EXPECT_FALSE(fs::exists(dir / "q.mdb.tmp"));
    }
}

} // namespace
