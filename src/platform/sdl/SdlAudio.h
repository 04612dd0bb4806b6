// Sound through SDL_mixer: channel 0 for effects, one channel per player, and the mixer's
// music stream for MIDI (FluidSynth with the General MIDI soundfont).
#pragma once

#include "platform/Audio.h"

#include <memory>

namespace ui {

// Opens the default audio device; without a working one the program runs silent.
std::unique_ptr<Audio> OpenSdlAudio();

} // namespace ui
