#pragma once

// Mono sample buffers and the WAV files that carry them.

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace soundgen {

// Every waveform of the pack has this rate: mono, 16-bit.
inline constexpr int kPackRate = 22050;

struct Pcm {
    int rate = kPackRate;
    std::vector<float> samples; // -1 .. 1

    double seconds() const { return static_cast<double>(samples.size()) / rate; }
};

// Reads 16-bit PCM; size fields of a streamed header (unknown length) are ignored.
Pcm decodeWav(std::span<const std::uint8_t> bytes);
std::vector<std::uint8_t> encodeWav(const Pcm& pcm);

Pcm resample(const Pcm& pcm, int rate);

void writeBytes(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

} // namespace soundgen
