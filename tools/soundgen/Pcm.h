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

// Loudness as a listener takes speech: the RMS over the 20 ms frames louder than -45 dBFS, so
// that pauses and tails do not count; in dBFS, kSilent where no frame is that loud.
inline constexpr double kSilent = -200.0;
double loudness(const Pcm& pcm);
// Brings the loudness to the level given, holding the few peaks that would rise above the
// ceiling down to it.
void normalizeLoudness(Pcm& pcm, double dbfs, float ceiling);

void writeBytes(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

} // namespace soundgen
