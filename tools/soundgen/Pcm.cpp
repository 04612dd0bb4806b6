#include "Pcm.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <numeric>
#include <stdexcept>
#include <string>

namespace soundgen {

namespace {

std::uint32_t readLe32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) |
           (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

std::uint16_t readLe16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

void appendLe32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void appendLe16(std::vector<std::uint8_t>& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void appendTag(std::vector<std::uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(tag[i]));
}

bool tagAt(std::span<const std::uint8_t> bytes, std::size_t at, const char* tag) {
    return at + 4 <= bytes.size() && std::memcmp(bytes.data() + at, tag, 4) == 0;
}

struct Format {
    int channels = 0;
    int rate = 0;
    int bits = 0;
};

Pcm samplesOf(std::span<const std::uint8_t> data, const Format& format) {
    if (format.bits != 16 || format.channels < 1)
        throw std::runtime_error("only 16-bit PCM speech can be read");
    const std::size_t frameBytes = 2 * static_cast<std::size_t>(format.channels);
    Pcm pcm{format.rate, {}};
    pcm.samples.reserve(data.size() / frameBytes);
    for (std::size_t at = 0; at + frameBytes <= data.size(); at += frameBytes) {
        // The first channel is enough: speech is mono.
        const auto sample = static_cast<std::int16_t>(readLe16(data, at));
        pcm.samples.push_back(static_cast<float>(sample) / 32768.0f);
    }
    return pcm;
}

double decibels(double power) {
    return 10.0 * std::log10(power);
}

void scale(Pcm& pcm, double gain) {
    for (float& sample : pcm.samples)
        sample = static_cast<float>(sample * gain);
}

// A gain that dips just enough, a few milliseconds ahead of a peak above the ceiling, and
// recovers slowly after it: the peak is held down without the click of a clipped wave.
void limitPeaks(Pcm& pcm, float ceiling) {
    std::vector<float>& samples = pcm.samples;
    std::vector<float> gain(samples.size(), 1.0f);
    for (std::size_t i = 0; i < samples.size(); ++i)
        if (std::abs(samples[i]) > ceiling)
            gain[i] = ceiling / std::abs(samples[i]);
    const auto attackStep = static_cast<float>(200.0 / pcm.rate); // 5 ms from none to full
    const auto releaseStep = static_cast<float>(12.5 / pcm.rate); // 80 ms back
    for (std::size_t i = samples.size(); i-- > 1;)
        gain[i - 1] = std::min(gain[i - 1], gain[i] + attackStep);
    for (std::size_t i = 1; i < samples.size(); ++i)
        gain[i] = std::min(gain[i], gain[i - 1] + releaseStep);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] *= gain[i];
}

} // namespace

Pcm decodeWav(std::span<const std::uint8_t> bytes) {
    if (!tagAt(bytes, 0, "RIFF") || !tagAt(bytes, 8, "WAVE"))
        throw std::runtime_error("not a WAV stream");
    Format format;
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::uint32_t size = readLe32(bytes, at + 4);
        const std::size_t body = at + 8;
        if (tagAt(bytes, at, "fmt ") && body + 16 <= bytes.size()) {
            format.channels = readLe16(bytes, body + 2);
            format.rate = static_cast<int>(readLe32(bytes, body + 4));
            format.bits = readLe16(bytes, body + 14);
        } else if (tagAt(bytes, at, "data")) {
            const std::size_t end = std::min<std::size_t>(bytes.size(), body + size);
            return samplesOf(bytes.subspan(body, end - body), format);
        }
        at = body + size + (size & 1);
    }
    throw std::runtime_error("WAV stream without data");
}

std::vector<std::uint8_t> encodeWav(const Pcm& pcm) {
    const auto dataBytes = static_cast<std::uint32_t>(pcm.samples.size() * 2);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    appendTag(out, "RIFF");
    appendLe32(out, 36 + dataBytes);
    appendTag(out, "WAVE");
    appendTag(out, "fmt ");
    appendLe32(out, 16);
    appendLe16(out, 1); // PCM
    appendLe16(out, 1); // mono
    appendLe32(out, static_cast<std::uint32_t>(pcm.rate));
    appendLe32(out, static_cast<std::uint32_t>(pcm.rate * 2));
    appendLe16(out, 2);
    appendLe16(out, 16);
    appendTag(out, "data");
    appendLe32(out, dataBytes);
    for (float sample : pcm.samples) {
        const float clamped = std::clamp(sample, -1.0f, 1.0f);
        appendLe16(out, static_cast<std::uint16_t>(
                            static_cast<std::int16_t>(std::lround(clamped * 32767.0f))));
    }
    return out;
}

Pcm resample(const Pcm& pcm, int rate) {
    if (pcm.rate == rate || pcm.samples.empty())
        return Pcm{rate, pcm.samples};
    const double step = static_cast<double>(pcm.rate) / rate;
    const auto count = static_cast<std::size_t>(pcm.samples.size() / step);
    Pcm out{rate, std::vector<float>(count)};
    for (std::size_t i = 0; i < count; ++i) {
        const double position = i * step;
        const auto left = static_cast<std::size_t>(position);
        const std::size_t right = std::min(left + 1, pcm.samples.size() - 1);
        const auto fraction = static_cast<float>(position - left);
        out.samples[i] = pcm.samples[left] + (pcm.samples[right] - pcm.samples[left]) * fraction;
    }
    return out;
}

double loudness(const Pcm& pcm) {
    const auto frame = static_cast<std::size_t>(pcm.rate / 50);
    const double gate = std::pow(10.0, -45.0 / 10.0);
    double energy = 0;
    std::size_t loudFrames = 0;
    for (std::size_t at = 0; frame > 0 && at + frame <= pcm.samples.size(); at += frame) {
        const auto begin = pcm.samples.begin() + static_cast<std::ptrdiff_t>(at);
        const double power =
            std::inner_product(begin, begin + static_cast<std::ptrdiff_t>(frame), begin, 0.0) /
            static_cast<double>(frame);
        if (power > gate) {
            energy += power;
            ++loudFrames;
        }
    }
    return loudFrames == 0 ? kSilent : decibels(energy / static_cast<double>(loudFrames));
}

void normalizeLoudness(Pcm& pcm, double dbfs, float ceiling) {
    // Holding the peaks down takes a little loudness away: a few rounds make it up.
    for (int round = 0; round < 4; ++round) {
        const double level = loudness(pcm);
        if (level <= kSilent)
            return;
        scale(pcm, std::pow(10.0, (dbfs - level) / 20.0));
        limitPeaks(pcm, ceiling);
    }
}

void writeBytes(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    if (!file)
        throw std::runtime_error("cannot write " + path.string());
}

} // namespace soundgen
