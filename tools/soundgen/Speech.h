#pragma once

// Spoken phrases from the espeak-ng command with its Brazilian Portuguese voice.

#include "Pcm.h"

#include <string>
#include <utility>
#include <vector>

namespace soundgen {

struct Utterance {
    Utterance(std::string text, std::string variant = {}, int pitch = 50, int speed = 150)
        : text(std::move(text)), variant(std::move(variant)), pitch(pitch), speed(speed) {}

    std::string text;
    std::string variant; // espeak-ng voice variant ("m3", "f4"); empty for the plain voice
    int pitch = 50;      // 0 .. 99
    int speed = 150;     // words per minute
};

// Speaks every utterance, several processes at a time; the result is in the pack's rate, with
// the silence around the speech trimmed, in the order of the input.
std::vector<Pcm> speakAll(const std::vector<Utterance>& utterances);

} // namespace soundgen
