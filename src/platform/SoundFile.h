// Lengths of WAV and MIDI files, read from the files themselves without a sound device.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace ui {

// Whole milliseconds; nullopt when the bytes are not a file of that kind.
std::optional<std::uint32_t> WavDurationMs(std::span<const std::uint8_t> bytes);
std::optional<std::uint32_t> MidiDurationMs(std::span<const std::uint8_t> bytes);
// Either kind, told by its content; the name is resolved without regard to case.
std::optional<std::uint32_t> SoundDurationMs(const std::string& path);

} // namespace ui
