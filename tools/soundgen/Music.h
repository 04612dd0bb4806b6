#pragma once

#include <cstdint>
#include <vector>

namespace soundgen {

// The game's background music: a tense General MIDI loop of about fifty seconds, as a file.
std::vector<std::uint8_t> composeGameMusic();

} // namespace soundgen
