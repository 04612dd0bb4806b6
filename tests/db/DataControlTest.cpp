#include "DbTestSupport.h"

#include "platform/DataControl.h"
#include "platform/Error.h"

#include <gtest/gtest.h>

#include <random>

using namespace dbtest;

namespace {

constexpr std::size_t kPage = 4096;

std::string Database(const TempDir& dir, const std::vector<Question>& questions) {
    WriteFile(dir / "q.txt", ToLines(questions));
    const fs::path db = dir / "bot_sc.bmp";
    EXPECT_EQ(WriteDatabase(dir / "q.txt", db).status, 0);
    return db.string();
}

ui::DataControl Opened(const std::string& file, const std::string& query) {
    ui::DataControl dc;
    dc.DatabaseName = file;
    dc.RecordSource = query;
    dc.Refresh();
    return dc;
}

// The error that opening `file` with `query` and reading every field of every row raises.
ui::RuntimeError OpenError(const std::string& file,
                           const std::string& query = "Select * FROM dados WHERE nivel = 2") {
    try {
        ui::DataControl dc = Opened(file, query);
        for (; !dc.EOF_(); dc.MoveNext()) {
            dc.FieldInt("nivel");
            dc.FieldInt("cod");
            for (const char* f : {"pergunta", "resp1", "resp2", "resp3", "resp4"}) {
                dc.FieldText(f);
            }
        }
    } catch (const ui::RuntimeError& e) {
        return e;
    }
    return ui::RuntimeError(0, "no error");
}

// Replaces the first occurrence of the UCS-2 text `from` with `to` of the same length.
void PatchName(const std::string& file, const std::u16string& from, const std::u16string& to) {
    auto ucs2 = [](const std::u16string& s) {
        std::string out;
        for (char16_t c : s) {
            out += static_cast<char>(c & 0xFF);
            out += static_cast<char>(c >> 8);
        }
        return out;
    };
    std::string bytes = ReadFile(file);
    const std::size_t at = bytes.find(ucs2(from));
    ASSERT_NE(at, std::string::npos);
    bytes.replace(at, from.size() * 2, ucs2(to));
    WriteFile(file, bytes);
}

TEST(DataControl, LevelQueryReadsItsRowsInOrder) {
    TempDir dir;
    const auto questions = SampleQuestions(2000);
    const std::string db = Database(dir, questions);
    for (int level = 1; level <= 3; ++level) {
        ui::DataControl dc =
            Opened(db, "Select * FROM dados WHERE nivel = " + std::to_string(level));
        ASSERT_EQ(dc.RecordCount(), 2000);
        dc.MoveLast();
        dc.MoveFirst();
        for (int i = 0; i < 2000; ++i, dc.MoveNext()) {
            const Question& q = questions[static_cast<std::size_t>((level - 1) * 2000 + i)];
            ASSERT_FALSE(dc.EOF_());
            ASSERT_EQ(dc.FieldInt("nivel"), level);
            ASSERT_EQ(dc.FieldInt("COD"), q.code);
            ASSERT_EQ(dc.FieldText("pergunta"), q.texts[0]);
            for (int a = 1; a <= 4; ++a) {
                ASSERT_EQ(dc.FieldText("resp" + std::to_string(a)), q.texts[a]) << i;
            }
        }
        EXPECT_TRUE(dc.EOF_());
    }
    ui::DataControl all = Opened(db, "Select * FROM dados");
    EXPECT_EQ(all.RecordCount(), 6000);
    all.MoveLast();
    EXPECT_EQ(all.FieldInt("cod"), 32767);
    all.MoveNext();
    EXPECT_TRUE(all.EOF_());
    EXPECT_EQ(OpenError(db).Number(), 0);
}

TEST(DataControl, EmptyLevelAndMovesPastTheEnd) {
    TempDir dir;
    const std::string db = Database(dir, SampleQuestions(3));
    ui::DataControl dc = Opened(db, "Select * FROM dados WHERE nivel = 4");
    EXPECT_EQ(dc.RecordCount(), 0);
    EXPECT_TRUE(dc.EOF_());
    EXPECT_THROW(dc.FieldText("pergunta"), ui::RuntimeError);
    EXPECT_THROW(dc.MoveNext(), ui::RuntimeError);
    EXPECT_THROW(dc.MoveLast(), ui::RuntimeError);
    dc.RecordSource = "Select * FROM dados WHERE nivel = 1";
    dc.Refresh();
    EXPECT_EQ(dc.RecordCount(), 3);
    EXPECT_FALSE(dc.EOF_());
}

TEST(DataControl, BadInputsRaiseErrorsNamingTheFile) {
    TempDir dir;
    const std::string good = Database(dir, SampleQuestions(3));
    auto copy = [&](const std::string& name) {
        fs::copy_file(good, dir / name);
        return (dir / name).string();
    };
    const std::string jet3 = copy("jet3.mdb");
    std::string bytes = ReadFile(jet3);
    bytes[0x14] = 0;
    WriteFile(jet3, bytes);
    const std::string ragged = copy("ragged.mdb");
    WriteFile(ragged, ReadFile(good) + "x");
    const std::string text = (dir / "text.mdb").string();
    WriteFile(text, Repeat("Standard Jet DB ", 512));
    const std::string noTable = copy("notable.mdb");
    PatchName(noTable, u"dados", u"dadoz");
    const std::string noLevel = copy("nolevel.mdb");
    PatchName(noLevel, u"nivel", u"nivez");
    const std::string noQuestion = copy("noquestion.mdb");
    PatchName(noQuestion, u"pergunta", u"perguntx");
    // One row per page end: the last byte of the first question page is that row's null mask.
    const std::string nullText = copy("null.mdb");
    bytes = ReadFile(nullText);
    bytes[6 * kPage - 1] = static_cast<char>(bytes[6 * kPage - 1] & ~0x04);
    WriteFile(nullText, bytes);

    // A row count past the page's end: the engine would crack garbage rows and crash testing
    // the condition on them.
    const std::string rowCount = copy("rowcount.mdb");
    bytes = ReadFile(rowCount);
    bytes[5 * kPage + 13] = 0x74;
    WriteFile(rowCount, bytes);

    struct Case {
        std::string file;
        int number;
        std::string text;
        std::string query = "Select * FROM dados WHERE nivel = 2";
    };
    const std::vector<Case> cases = {
        {(dir / "missing.mdb").string(), ui::ERR_FILE_NOT_FOUND, "não encontrado"},
        {(dir / "").string(), ui::ERR_FILE_ACCESS, "ler"},
        {jet3, ui::ERR_DATABASE, "Access 2000"},
        {ragged, ui::ERR_DATABASE, "Access 2000"},
        {text, ui::ERR_DATABASE, "Access 2000"},
        {noTable, ui::ERR_TABLE_NOT_FOUND, "dados"},
        {noLevel, ui::ERR_ITEM_NOT_FOUND, "'nivel'"},
        {noQuestion, ui::ERR_ITEM_NOT_FOUND, "'pergunta'"},
        {nullText, ui::ERR_INVALID_USE_OF_NULL, "'pergunta'", "Select * FROM dados"},
        {rowCount, ui::ERR_DATABASE, "danificado", "Select * FROM dados WHERE nivel = 1"},
    };
    // The engine itself would ignore a condition on a missing field and return every row.
    EXPECT_THROW(Opened(noLevel, "Select * FROM dados WHERE nivel = 2"), ui::RuntimeError);
    for (const Case& c : cases) {
        ui::RuntimeError e = OpenError(c.file, c.query);
        EXPECT_EQ(e.Number(), c.number) << c.file << ": " << e.what();
        EXPECT_NE(std::string(e.what()).find(c.text), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find(c.file), std::string::npos) << e.what();
    }
}

// Damaged copies of a valid file either read or raise RuntimeError; the sanitizer build
// catches anything worse. Damage goes where the engine looks: the structure pages (header,
// maps, definitions, catalog), the row tables at the heads of pages and the row trailers at
// their ends.
TEST(DataControl, DamagedFilesNeverCrash) {
    TempDir dir;
    const std::string good = ReadFile(Database(dir, SampleQuestions(40)));
    const std::size_t pages = good.size() / kPage;
    const std::string damaged = (dir / "damaged.mdb").string();
    std::mt19937 random(20240601);
    for (int round = 0; round < 600; ++round) {
        std::string bytes = good;
        const int flips = 1 + static_cast<int>(random() % 8);
        const unsigned where = random() % 3; // structure pages, page heads, page tails
        for (int i = 0; i < flips; ++i) {
            const std::size_t page = where == 0 ? random() % 6 : random() % pages;
            const std::size_t offset = where == 1   ? random() % 128
                                       : where == 2 ? kPage - 1 - random() % 256
                                                    : random() % kPage;
            bytes[page * kPage + offset] = static_cast<char>(random());
        }
        if (round % 5 == 0) {
            bytes.resize((1 + random() % (pages - 1)) * kPage);
        }
        WriteFile(damaged, bytes);
        OpenError(damaged);
        OpenError(damaged, "Select * FROM dados");
    }
}

} // namespace
