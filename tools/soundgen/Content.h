#pragma once

#include "Pcm.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace soundgen {

// Sound name to its waveforms: one for a single sound, one per variant (01 first) for a family.
using Waveforms = std::map<std::string, std::vector<Pcm>, std::less<>>;

struct SpokenLine {
    double atSeconds;
    Pcm voice;
};

// A narration before its mixing: the music, at the level it is mixed at, and the lines spoken
// over it, each at its own level.
struct Narration {
    Pcm music;
    std::vector<SpokenLine> lines;
    double seconds;
};

using Narrations = std::map<std::string, Narration, std::less<>>;

// The narrations of the pack, spoken; buildWaveforms mixes them.
Narrations buildNarrations();

// Every effect and narration of the pack, spoken and synthesised.
Waveforms buildWaveforms();

} // namespace soundgen
