#pragma once

// A Standard MIDI File writer (format 1: a tempo track and one track per part).

#include <cstdint>
#include <vector>

namespace soundgen {

struct MidiEvent {
    std::uint32_t tick;
    std::vector<std::uint8_t> bytes; // status byte and data, or a complete meta event
};

class MidiTrack {
  public:
    void tempo(std::uint32_t tick, std::uint32_t microsecondsPerQuarter);
    void program(std::uint32_t tick, int channel, int program);
    void controller(std::uint32_t tick, int channel, int controller, int value);
    void note(std::uint32_t tick, int channel, int key, int velocity, std::uint32_t length);

    const std::vector<MidiEvent>& events() const { return events_; }

  private:
    std::vector<MidiEvent> events_;
};

// Every track ends at endTick, so that the piece lasts exactly as long as its bars.
std::vector<std::uint8_t> encodeSmf(const std::vector<MidiTrack>& tracks,
                                    std::uint16_t ticksPerQuarter, std::uint32_t endTick);

} // namespace soundgen
