// Message boxes with texts longer than any window holds: the layout stays inside the window,
// with its title bar and buttons, and takes bounded time whatever the text's length.
#include "platform/MessageDialog.h"
#include "platform/Backend.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>

namespace {

bool Inside(const SDL_Rect& inner, int w, int h) {
    return inner.x >= 0 && inner.y >= 0 && inner.x + inner.w <= w && inner.y + inner.h <= h;
}

const std::string ELLIPSIS = "\u2026";

std::chrono::nanoseconds ThreadCpuTime() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec);
}

bool EndsWith(const std::string& s, const std::string& end) {
    return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

} // namespace

TEST(MessageDialog, LongTextsStayInsideTheWindowInBoundedTime) {
    const std::string folder5000 = "/" + std::string(5000, 'p') + "/";
    const std::string manyWords = [] {
        std::string s;
        for (int i = 0; i < 20000; ++i) {
            s += "palavra ";
        }
        return s;
    }();
    const struct {
        std::string name;
        std::string text;
        bool cut;
    } cases[] = {
        {"short", "Dados não encontrados!", false},
        {"5000-character folder",
         "O CD \"Quorvane\" não foi encontrado em:\r\r" + folder5000 + "\r\rPor favor...", true},
        {"10 MB word", std::string(10 << 20, 'x'), true},
        {"many words", manyWords, true},
        {"many lines", std::string(100000, '\r'), true},
        {"accented word",
         [] {
             std::string s;
             for (int i = 0; i < 5000; ++i) {
                 s += "ção";
             }
             return s;
         }(),
         true},
    };
    for (const auto& c : cases) {
        for (const auto& [w, h] :
             {std::pair{640, 480}, std::pair{1024, 768}, std::pair{320, 200}}) {
            SCOPED_TRACE(c.name + " in " + std::to_string(w) + "x" + std::to_string(h));
            const auto start = ThreadCpuTime();
            const ui::MessageDialog d(c.text, ui::vbAbortRetryIgnore | ui::vbExclamation,
                                      "Quorvane", w, h);
            // A bound against laying out the whole text, generous for the sanitizer build:
            // the work done, which a loaded machine does not stretch as it does the wall clock.
            EXPECT_LT(ThreadCpuTime() - start, std::chrono::seconds(5));
            EXPECT_TRUE(Inside(d.Frame(), w, h));
            for (const auto& b : d.Buttons()) {
                EXPECT_TRUE(SDL_HasIntersection(&b.rect, &d.Frame()));
                EXPECT_TRUE(Inside(b.rect, w, h));
            }
            ASSERT_FALSE(d.Lines().empty());
            EXPECT_EQ(EndsWith(d.Lines().back(), ELLIPSIS), c.cut) << d.Lines().back();
            for (const auto& line : d.Lines()) {
                EXPECT_LE(ui::TextWidth(line, {10.0f, false}), w) << line;
            }
        }
    }
}

// Broken words keep their characters whole: the parts put together give the word back.
TEST(MessageDialog, BrokenWordsKeepWholeCharacters) {
    std::string word;
    for (int i = 0; i < 300; ++i) {
        word += "çã";
    }
    const auto lines = ui::WrapText(word, {10.0f, false}, 100);
    std::string joined;
    for (const auto& line : lines) {
        EXPECT_LE(ui::TextWidth(line, {10.0f, false}), 100);
        joined += line;
    }
    EXPECT_EQ(joined, word);
    const auto cut = ui::WrapText(word, {10.0f, false}, 100, 2);
    ASSERT_EQ(cut.size(), 2u);
    EXPECT_EQ(cut[0], lines[0]);
    EXPECT_TRUE(EndsWith(cut[1], ELLIPSIS));
}
