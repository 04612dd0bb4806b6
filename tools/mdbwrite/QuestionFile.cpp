#include "QuestionFile.h"

#include <charconv>
#include <map>

namespace mdbwrite {
namespace {

constexpr std::size_t kFieldCount = 7;
constexpr std::array<const char*, kTextFields> kTextNames = {
    "question", "right answer", "wrong answer 1", "wrong answer 2", "wrong answer 3"};

// What a UTF-8 lead byte announces: how many continuation bytes follow (-1: not a lead byte),
// the smallest code point that length may encode, and the lead's payload bits.
struct Lead {
    int extra;
    char32_t minimum;
    char32_t bits;
};

Lead ClassifyLead(unsigned char c) {
    if (c < 0x80) {
        return {0, 0, c};
    }
    if ((c & 0xE0) == 0xC0) {
        return {1, 0x80, c & 0x1Fu};
    }
    if ((c & 0xF0) == 0xE0) {
        return {2, 0x800, c & 0x0Fu};
    }
    if ((c & 0xF8) == 0xF0) {
        return {3, 0x10000, c & 0x07u};
    }
    return {-1, 0, 0};
}

std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string_view::npos) {
            return fields;
        }
        start = tab + 1;
    }
}

template <typename T> bool ParseWhole(std::string_view text, T& value) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return !text.empty() && ec == std::errc() && ptr == end;
}

Question ParseLine(std::string_view line, std::size_t number) {
    std::vector<std::string_view> fields = SplitFields(line);
    if (fields.size() != kFieldCount) {
        throw BadLine(number,
                      "expected 7 TAB-separated fields, found " + std::to_string(fields.size()));
    }
    Question q;
    if (!ParseWhole(fields[0], q.level) || q.level < 1 || q.level > kLevels) {
        throw BadLine(number, "level must be 1, 2 or 3, found '" + std::string(fields[0]) + "'");
    }
    if (!ParseWhole(fields[1], q.code)) {
        throw BadLine(number, "code must be a whole number from -32768 to 32767, found '" +
                                  std::string(fields[1]) + "'");
    }
    for (std::size_t i = 0; i < kTextFields; ++i) {
        std::string name = kTextNames[i];
        if (fields[i + 2].empty()) {
            throw BadLine(number, name + " is empty");
        }
        try {
            q.texts[i] = Utf8ToUcs2(fields[i + 2]);
        } catch (const std::invalid_argument& e) {
            throw BadLine(number, name + ": " + e.what());
        }
        if (q.texts[i].size() > kMaxTextUnits) {
            throw BadLine(number, name + " is longer than 255 characters");
        }
    }
    return q;
}

} // namespace

std::u16string Utf8ToUcs2(std::string_view utf8) {
    std::u16string out;
    for (std::size_t i = 0; i < utf8.size();) {
        Lead lead = ClassifyLead(static_cast<unsigned char>(utf8[i]));
        if (lead.extra < 0 || utf8.size() - i <= static_cast<std::size_t>(lead.extra)) {
            throw std::invalid_argument("invalid UTF-8");
        }
        char32_t cp = lead.bits;
        for (int k = 1; k <= lead.extra; ++k) {
            auto c = static_cast<unsigned char>(utf8[i + k]);
            if ((c & 0xC0) != 0x80) {
                throw std::invalid_argument("invalid UTF-8");
            }
            cp = (cp << 6) | (c & 0x3Fu);
        }
        if (cp < lead.minimum || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) {
            throw std::invalid_argument("invalid UTF-8");
        }
        if (cp > 0xFFFF) {
            throw std::invalid_argument("character outside the Basic Multilingual Plane");
        }
        out.push_back(static_cast<char16_t>(cp));
        i += 1 + lead.extra;
    }
    return out;
}

std::vector<Question> ParseQuestions(std::string_view content) {
    std::vector<Question> questions;
    std::array<std::size_t, kLevels + 1> perLevel{};
    std::map<std::int16_t, std::size_t> codeLines;
    std::size_t number = 0;
    for (std::size_t start = 0; start < content.size();) {
        std::size_t end = content.find('\n', start);
        std::string_view line = content.substr(start, end - start);
        start = end == std::string_view::npos ? content.size() : end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.empty() || line.front() == '#') {
            continue;
        }
        Question q = ParseLine(line, number);
        auto [it, fresh] = codeLines.emplace(q.code, number);
        if (!fresh) {
            throw BadLine(number, "code " + std::to_string(q.code) + " already used on line " +
                                      std::to_string(it->second));
        }
        if (++perLevel[q.level] > kMaxRowsPerLevel) {
            throw BadLine(number, "more than 2000 questions for level " + std::to_string(q.level));
        }
        questions.push_back(std::move(q));
    }
    return questions;
}

} // namespace mdbwrite
