// Small sound files written by the tests: WAV tones of a given length and a one-note MIDI.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace testfiles {

inline void Put(std::vector<std::uint8_t>& out, std::uint32_t value, int size, bool bigEndian) {
    for (int i = 0; i < size; ++i) {
        const int shift = bigEndian ? 8 * (size - 1 - i) : 8 * i;
        out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

inline void Save(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
}

// 16-bit mono PCM at 8000 Hz: a 500 Hz square wave, or silence when `amplitude` is 0.
inline std::vector<std::uint8_t> Wav(std::uint32_t ms, int amplitude = 8000) {
    const std::uint32_t frames = ms * 8;
    std::vector<std::uint8_t> b{'R', 'I', 'F', 'F'};
    Put(b, 36 + frames * 2, 4, false);
    for (char c : std::string("WAVEfmt ")) {
        b.push_back(static_cast<std::uint8_t>(c));
    }
    Put(b, 16, 4, false);
    Put(b, 1, 2, false);     // PCM
    Put(b, 1, 2, false);     // mono
    Put(b, 8000, 4, false);  // frames per second
    Put(b, 16000, 4, false); // bytes per second
    Put(b, 2, 2, false);     // bytes per frame
    Put(b, 16, 2, false);    // bits
    for (char c : std::string("data")) {
        b.push_back(static_cast<std::uint8_t>(c));
    }
    Put(b, frames * 2, 4, false);
    for (std::uint32_t i = 0; i < frames; ++i) {
        const int sample = (i / 8) % 2 == 0 ? amplitude : -amplitude;
        Put(b, static_cast<std::uint16_t>(sample), 2, false);
    }
    return b;
}

// One track: `track` is the event bytes without the end-of-track event.
inline std::vector<std::uint8_t> Midi(const std::vector<std::vector<std::uint8_t>>& tracks,
                                      std::uint16_t division = 480) {
    std::vector<std::uint8_t> b{'M', 'T', 'h', 'd'};
    Put(b, 6, 4, true);
    Put(b, tracks.size() > 1 ? 1 : 0, 2, true);
    Put(b, static_cast<std::uint32_t>(tracks.size()), 2, true);
    Put(b, division, 2, true);
    for (auto events : tracks) {
        events.insert(events.end(), {0x00, 0xFF, 0x2F, 0x00});
        for (char c : std::string("MTrk")) {
            b.push_back(static_cast<std::uint8_t>(c));
        }
        Put(b, static_cast<std::uint32_t>(events.size()), 4, true);
        b.insert(b.end(), events.begin(), events.end());
    }
    return b;
}

// Piano middle C for one quarter note at 120 beats a minute (500 ms), loud.
inline std::vector<std::uint8_t> OneNote() {
    return Midi({{0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, // tempo 500000
                  0x00, 0xC0, 0x00,                         // piano
                  0x00, 0x90, 60, 120,                      // note on
                  0x83, 0x60, 0x80, 60, 0}});               // 480 ticks later, note off
}

} // namespace testfiles
