#pragma once

#include "Pcm.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace soundgen {

// Sound name to its waveforms: one for a single sound, one per variant (01 first) for a family.
using Waveforms = std::map<std::string, std::vector<Pcm>, std::less<>>;

// Every effect and narration of the pack, spoken and synthesised.
Waveforms buildWaveforms();

} // namespace soundgen
