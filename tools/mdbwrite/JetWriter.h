// Lays out an Access 2000 (Jet 4) database holding the one table `dados` of the game's
// questions, ready to be written to disk as it is.
#pragma once

#include "QuestionFile.h"

#include <cstdint>
#include <vector>

namespace mdbwrite {

constexpr std::size_t kPageSize = 4096;

// The same questions always give the same bytes.
std::vector<std::uint8_t> BuildDatabase(const std::vector<Question>& questions);

} // namespace mdbwrite
