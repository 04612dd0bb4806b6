// The question list that the database writer takes: one question per line, seven TAB-separated
// fields (level, code, question, right answer, three wrong answers).
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace mdbwrite {

constexpr int kLevels = 3;
constexpr std::size_t kMaxRowsPerLevel = 2000;
constexpr std::size_t kMaxTextUnits = 255;
constexpr std::size_t kTextFields = 5;

struct Question {
    std::int32_t level = 0;
    std::int16_t code = 0;
    // pergunta, resp1 .. resp4, as UCS-2 code units.
    std::array<std::u16string, kTextFields> texts;
};

// A line that cannot become a row; `line` counts from 1.
class BadLine : public std::runtime_error {
  public:
    BadLine(std::size_t line, const std::string& reason)
        : std::runtime_error(reason), line_(line) {}
    std::size_t Line() const { return line_; }

  private:
    std::size_t line_;
};

// Decodes UTF-8 into UCS-2; throws std::invalid_argument on malformed input or on a character
// outside the Basic Multilingual Plane, which UCS-2 cannot hold.
std::u16string Utf8ToUcs2(std::string_view utf8);

// Parses and validates the whole list, keeping the file's order. Throws BadLine.
std::vector<Question> ParseQuestions(std::string_view content);

} // namespace mdbwrite
