// Lengths of WAV and MIDI files, read from the files themselves without a sound device.
#pragma once

#include "platform/Files.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace ui {

// Sound effects, narrations and music of a few minutes.
constexpr std::size_t MAX_SOUND_BYTES = 32u << 20;

// Whole milliseconds; nullopt when the bytes are not a file of that kind. A WAV file must be
// one the mixer can play: a rate of 4000 to 192000 Hz, samples, at most ten minutes.
std::optional<std::uint32_t> WavDurationMs(std::span<const std::uint8_t> bytes);
std::optional<std::uint32_t> MidiDurationMs(std::span<const std::uint8_t> bytes);
// The bytes of a sound file within MAX_SOUND_BYTES.
FileContent ReadSoundFile(const std::string& path);
// Either kind, told by its content; the name is resolved without regard to case.
std::optional<std::uint32_t> SoundDurationMs(const std::string& path);

} // namespace ui
