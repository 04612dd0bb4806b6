#include "Music.h"

#include "Midi.h"

#include <array>
#include <cmath>

namespace soundgen {

namespace {

constexpr std::uint16_t kQuarter = 480;
constexpr std::uint32_t kEighth = kQuarter / 2;
constexpr std::uint32_t kSixteenth = kQuarter / 4;
constexpr std::uint32_t kBar = 4 * kQuarter;
constexpr std::uint32_t kMicrosecondsPerQuarter = 517241; // 116 beats a minute
constexpr int kBars = 24;

// General MIDI programs and channels of the parts.
constexpr int kStrings = 48, kSynthBass = 38, kPizzicato = 45, kBrass = 61, kTimpani = 47;
constexpr int kStringsChannel = 0, kBassChannel = 1, kPizzicatoChannel = 2, kBrassChannel = 3,
              kTimpaniChannel = 4, kDrumChannel = 9;
constexpr int kKick = 36, kClosedHat = 42, kPedalHat = 44;

struct Chord {
    int root;                 // bass key
    std::array<int, 3> upper; // string voicing
};

// Two bars a chord in A minor; the second half leans on B flat and an E seventh for the pull
// back to the top of the loop.
constexpr std::array<Chord, 12> kProgression{{
    {45, {57, 60, 64}}, // Am
    {41, {57, 60, 65}}, // F
    {38, {57, 62, 65}}, // Dm
    {40, {56, 59, 64}}, // E
    {45, {57, 60, 64}}, // Am
    {46, {58, 62, 65}}, // Bb
    {38, {57, 62, 65}}, // Dm
    {40, {56, 62, 64}}, // E7
    {45, {60, 64, 69}}, // Am, higher
    {41, {60, 65, 69}}, // F
    {46, {58, 62, 65}}, // Bb
    {40, {56, 59, 62}}, // E7
}};

// Every part's channel volume is scaled by this. The music stays behind the voices that speak
// over it, well below them even where it swells; and as the mixer adds it at full volume to a
// voice or an effect, its peak leaves the loudest of them room to full scale.
constexpr double kMusicLevel = 0.43;

void channelVolume(MidiTrack& track, int channel, int volume) {
    track.controller(0, channel, 7, static_cast<int>(std::lround(volume * kMusicLevel)));
}

// Intensity grows over the loop and falls back at its end.
int swell(int bar, int base) {
    return base + (bar % 8) * 3;
}

MidiTrack conductor() {
    MidiTrack track;
    track.tempo(0, kMicrosecondsPerQuarter);
    return track;
}

MidiTrack strings() {
    MidiTrack track;
    track.program(0, kStringsChannel, kStrings);
    channelVolume(track, kStringsChannel, 70);
    for (int bar = 0; bar < kBars; bar += 2) {
        const Chord& chord = kProgression[static_cast<std::size_t>(bar / 2)];
        for (int key : chord.upper)
            track.note(bar * kBar, kStringsChannel, key, swell(bar, 58), 2 * kBar - kSixteenth);
    }
    return track;
}

MidiTrack bass() {
    MidiTrack track;
    track.program(0, kBassChannel, kSynthBass);
    channelVolume(track, kBassChannel, 76);
    for (int bar = 0; bar < kBars; ++bar) {
        const int root = kProgression[static_cast<std::size_t>(bar / 2)].root - 12;
        for (std::uint32_t step = 0; step < 8; ++step) {
            const int accent = step % 2 == 0 ? 12 : 0;
            track.note(bar * kBar + step * kEighth, kBassChannel, root, swell(bar, 70) + accent,
                       kEighth - 20);
        }
    }
    return track;
}

MidiTrack pizzicato() {
    MidiTrack track;
    track.program(0, kPizzicatoChannel, kPizzicato);
    channelVolume(track, kPizzicatoChannel, 62);
    for (int bar = 0; bar < kBars; ++bar) {
        const Chord& chord = kProgression[static_cast<std::size_t>(bar / 2)];
        const std::array<int, 4> figure{chord.upper[0], chord.upper[1], chord.upper[2],
                                        chord.upper[1]};
        for (std::uint32_t step = 0; step < 8; ++step)
            track.note(bar * kBar + step * kEighth, kPizzicatoChannel, figure[step % 4] + 12,
                       swell(bar, 60), kEighth);
    }
    return track;
}

// A short rising call every four bars, answered a semitone higher in the second half.
MidiTrack brass() {
    struct CallNote {
        int key;
        std::uint32_t at;
        std::uint32_t length;
    };
    constexpr std::array<CallNote, 4> call{{{64, 0, kEighth},
                                            {65, kEighth, kEighth},
                                            {64, kQuarter, kQuarter},
                                            {71, 2 * kQuarter, 2 * kQuarter}}};
    MidiTrack track;
    track.program(0, kBrassChannel, kBrass);
    channelVolume(track, kBrassChannel, 62);
    for (int bar = 3; bar < kBars; bar += 4) {
        const int lift = bar >= kBars / 2 ? 1 : 0;
        for (const CallNote& note : call)
            track.note(bar * kBar + note.at, kBrassChannel, note.key + lift, swell(bar, 66),
                       note.length - 30);
    }
    return track;
}

// A roll into every eighth bar keeps the loop turning over.
MidiTrack timpani() {
    MidiTrack track;
    track.program(0, kTimpaniChannel, kTimpani);
    channelVolume(track, kTimpaniChannel, 70);
    for (int bar = 7; bar < kBars; bar += 8)
        for (std::uint32_t step = 8; step < 16; ++step)
            track.note(bar * kBar + step * kSixteenth, kTimpaniChannel, 40,
                       60 + static_cast<int>(step) * 3, kSixteenth);
    return track;
}

// A heartbeat on the kick under a ticking hi-hat.
MidiTrack drums() {
    MidiTrack track;
    channelVolume(track, kDrumChannel, 70);
    for (int bar = 0; bar < kBars; ++bar) {
        const std::uint32_t start = bar * kBar;
        for (std::uint32_t beat : {0u, 2u}) {
            track.note(start + beat * kQuarter, kDrumChannel, kKick, swell(bar, 84), kSixteenth);
            track.note(start + beat * kQuarter + kEighth + kSixteenth, kDrumChannel, kKick,
                       swell(bar, 64), kSixteenth);
        }
        for (std::uint32_t step = 0; step < 16; ++step) {
            const int key = step % 4 == 2 ? kPedalHat : kClosedHat;
            track.note(start + step * kSixteenth, kDrumChannel, key,
                       step % 4 == 0 ? swell(bar, 62) : swell(bar, 42), kSixteenth / 2);
        }
    }
    return track;
}

} // namespace

std::vector<std::uint8_t> composeGameMusic() {
    const std::vector<MidiTrack> tracks{conductor(), strings(), bass(), pizzicato(),
                                        brass(),     timpani(), drums()};
    return encodeSmf(tracks, kQuarter, kBars * kBar);
}

} // namespace soundgen
