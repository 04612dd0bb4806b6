#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Row {
    int lineNumber;
    std::vector<std::string> fields;
};

std::vector<Row> readQuestionRows() {
    std::ifstream in(QV_SOURCE_DIR "/content/perguntas.txt", std::ios::binary);
    EXPECT_TRUE(in) << "content/perguntas.txt is missing";
    std::vector<Row> rows;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.empty() || line.front() == '#') {
            continue;
        }
        Row row{number, {}};
        std::istringstream fields(line);
        for (std::string field; std::getline(fields, field, '\t');) {
            row.fields.push_back(field);
        }
        if (line.back() == '\t') {
            row.fields.emplace_back();
        }
        rows.push_back(row);
    }
    return rows;
}

// Number of code points, or -1 when the bytes are not well-formed UTF-8.
int utf8Length(const std::string& text) {
    int count = 0;
    for (std::size_t i = 0; i < text.size(); ++count) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int extra = lead < 0x80   ? 0
                          : lead < 0xC2 ? -1
                          : lead < 0xE0 ? 1
                          : lead < 0xF0 ? 2
                          : lead < 0xF5 ? 3
                                        : -1;
        if (extra < 0 || i + extra + 1 > text.size()) {
            return -1;
        }
        std::uint32_t cp = extra == 0 ? lead : lead & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) {
                return -1;
            }
            cp = (cp << 6) | (next & 0x3F);
        }
        const std::uint32_t minimum[] = {0, 0x80, 0x800, 0x10000};
        if (cp < minimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            return -1;
        }
        i += extra + 1;
    }
    return count;
}

// Trimmed and lower-cased, including the accented capitals of Portuguese
// (the two-byte forms from U+00C0 to U+00DE, except the multiplication sign).
std::string normalised(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return "";
    }
    std::string out = text.substr(first, text.find_last_not_of(' ') - first + 1);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto c = static_cast<unsigned char>(out[i]);
        if (c == 0xC3 && i + 1 < out.size()) {
            const auto next = static_cast<unsigned char>(out[i + 1]);
            if (next >= 0x80 && next <= 0x9E && next != 0x97) {
                out[i + 1] = static_cast<char>(next + 0x20);
            }
            ++i;
        } else {
            out[i] = static_cast<char>(std::tolower(c));
        }
    }
    return out;
}

bool hasControlCharacter(const std::string& text) {
    return std::any_of(text.begin(), text.end(),
                       [](unsigned char c) { return c < 0x20 || c == 0x7F; });
}

bool isWholeNumber(const std::string& text) {
    const std::string digits = !text.empty() && text.front() == '-' ? text.substr(1) : text;
    return !digits.empty() && digits.size() <= 6 &&
           std::all_of(digits.begin(), digits.end(),
                       [](unsigned char c) { return std::isdigit(c) != 0; });
}

} // namespace

TEST(QuestionsFile, EveryRowIsWellFormed) {
    std::set<long> codes;
    std::set<std::string> questions;
    std::map<std::string, int> perLevel;
    for (const Row& row : readQuestionRows()) {
        SCOPED_TRACE("line " + std::to_string(row.lineNumber));
        ASSERT_EQ(row.fields.size(), 7u);
        const auto& f = row.fields;
        EXPECT_TRUE(f[0] == "1" || f[0] == "2" || f[0] == "3") << f[0];
        ++perLevel[f[0]];
        ASSERT_TRUE(isWholeNumber(f[1])) << f[1];
        const long code = std::stol(f[1]);
        EXPECT_TRUE(code >= INT16_MIN && code <= INT16_MAX) << code;
        EXPECT_TRUE(codes.insert(code).second) << "duplicate code " << code;
        EXPECT_TRUE(questions.insert(normalised(f[2])).second) << "repeated question " << f[2];
        std::set<std::string> answers;
        for (std::size_t i = 2; i < f.size(); ++i) {
            const int length = utf8Length(f[i]);
            EXPECT_GE(length, 0) << "invalid UTF-8 in field " << i + 1;
            EXPECT_LE(length, 255) << f[i];
            EXPECT_NE(normalised(f[i]), "") << "empty field " << i + 1;
            EXPECT_FALSE(hasControlCharacter(f[i])) << "control character in field " << i + 1;
            if (i >= 3) {
                EXPECT_TRUE(answers.insert(normalised(f[i])).second) << "repeated answer " << f[i];
            }
        }
    }
    for (const char* level : {"1", "2", "3"}) {
        EXPECT_GE(perLevel[level], 150) << "level " << level;
    }
}

TEST(QuestionsFile, CheckersCatchEditingSlips) {
    EXPECT_EQ(normalised("  Ácido Acético "), normalised("ácido acético"));
    EXPECT_NE(normalised("Pães"), normalised("Pões"));
    EXPECT_TRUE(hasControlCharacter("Salvador\r"));
    EXPECT_EQ(utf8Length("Não"), 3);
    EXPECT_EQ(utf8Length("\xF0\x9F\x98\x80"), 1);
    EXPECT_EQ(utf8Length("N\xE3o"), -1);       // Latin-1 slipped in by an editor
    EXPECT_EQ(utf8Length("\xC3"), -1);         // cut in the middle of a character
    EXPECT_EQ(utf8Length("\xC0\xAF"), -1);     // overlong
    EXPECT_EQ(utf8Length("\xED\xA0\x80"), -1); // surrogate
    EXPECT_EQ(utf8Length("\xE2\x82"), -1);     // truncated three-byte form
}
