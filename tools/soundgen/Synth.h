#pragma once

// Synthesised sound: knocks and clicks, instrument notes and the arrangement of short jingles.

#include "Pcm.h"

#include <cstdint>
#include <vector>

namespace soundgen {

Pcm silence(double seconds);

// Adds source into target from the given time on, growing the target as needed.
void mixInto(Pcm& target, const Pcm& source, double atSeconds, float gain);
// Scales so that the loudest sample reaches the peak.
void normalize(Pcm& pcm, float peak);
void fade(Pcm& pcm, double inSeconds, double outSeconds);
// Lowers the level between two times, with short ramps, to make room for a voice.
void duck(Pcm& pcm, double fromSeconds, double toSeconds, float gain);
// Cuts the quiet lead-in and tail, keeping a short margin.
void trimSilence(Pcm& pcm);

struct Knock {
    std::vector<double> partials; // Hz of the resonating modes
    double decaySeconds;          // time for the modes to fall to about a third
    float noise;                  // share of the noisy attack
    double seconds;
    std::uint32_t seed;
};

Pcm knock(const Knock& entry);

enum class Voice { Brass, Bell, Pad, Timpani, Cymbal };

struct Hit {
    double atSeconds;
    int midiNote;
    double seconds;
    Voice voice;
    float gain;
};

Pcm render(const std::vector<Hit>& hits);

} // namespace soundgen
