// Errors that no handler catches reach the top of the event loop, which shows their number
// and description in a message box and ends the program with a non-zero status.
#pragma once

#include <stdexcept>
#include <string>

namespace ui {

class RuntimeError : public std::runtime_error {
  public:
    RuntimeError(int number, const std::string& description)
        : std::runtime_error(description), number_(number) {}
    int Number() const { return number_; }

  private:
    int number_;
};

// Error numbers, stable across runs.
enum ErrorNumber {
    ERR_FILE_NOT_FOUND = 53,
    ERR_PATH_NOT_FOUND = 76,
    ERR_INPUT_PAST_END = 62,
    ERR_TYPE_MISMATCH = 13,
    ERR_OVERFLOW = 6,
    ERR_FILE_ACCESS = 75,
    ERR_INVALID_PICTURE = 481,
    ERR_INVALID_USE_OF_NULL = 94,
    ERR_NO_CURRENT_RECORD = 3021,
    ERR_QUERY = 3061,
    ERR_TABLE_NOT_FOUND = 3078,
    ERR_ITEM_NOT_FOUND = 3265,
    ERR_DATABASE = 3343,
};

} // namespace ui
