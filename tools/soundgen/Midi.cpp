#include "Midi.h"

#include <algorithm>
#include <stdexcept>

namespace soundgen {

namespace {

std::uint8_t channelStatus(int kind, int channel) {
    if (channel < 0 || channel > 15)
        throw std::invalid_argument("MIDI channel out of range");
    return static_cast<std::uint8_t>(kind | channel);
}

std::uint8_t dataByte(int value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0, 127));
}

void appendVarLength(std::vector<std::uint8_t>& out, std::uint32_t value) {
    std::uint8_t groups[5];
    int count = 0;
    do {
        groups[count++] = static_cast<std::uint8_t>(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (count > 1)
        out.push_back(static_cast<std::uint8_t>(groups[--count] | 0x80));
    out.push_back(groups[0]);
}

void appendBe(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

// At one tick a note ends before the next one starts on the same key.
int orderAtSameTick(const MidiEvent& event) {
    const int kind = event.bytes[0] & 0xF0;
    const bool noteOff = kind == 0x80 || (kind == 0x90 && event.bytes[2] == 0);
    if (noteOff)
        return 0;
    return kind == 0x90 ? 2 : 1;
}

std::vector<std::uint8_t> trackChunk(const MidiTrack& track, std::uint32_t endTick) {
    std::vector<MidiEvent> events = track.events();
    std::stable_sort(events.begin(), events.end(), [](const MidiEvent& a, const MidiEvent& b) {
        if (a.tick != b.tick)
            return a.tick < b.tick;
        return orderAtSameTick(a) < orderAtSameTick(b);
    });
    std::vector<std::uint8_t> body;
    std::uint32_t now = 0;
    for (const MidiEvent& event : events) {
        if (event.tick > endTick)
            throw std::invalid_argument("MIDI event after the end of the piece");
        appendVarLength(body, event.tick - now);
        body.insert(body.end(), event.bytes.begin(), event.bytes.end());
        now = event.tick;
    }
    appendVarLength(body, endTick - now);
    body.insert(body.end(), {0xFF, 0x2F, 0x00});

    std::vector<std::uint8_t> chunk{'M', 'T', 'r', 'k'};
    appendBe(chunk, static_cast<std::uint32_t>(body.size()), 4);
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
}

} // namespace

void MidiTrack::tempo(std::uint32_t tick, std::uint32_t microsecondsPerQuarter) {
    events_.push_back({tick,
                       {0xFF, 0x51, 0x03, static_cast<std::uint8_t>(microsecondsPerQuarter >> 16),
                        static_cast<std::uint8_t>(microsecondsPerQuarter >> 8),
                        static_cast<std::uint8_t>(microsecondsPerQuarter)}});
}

void MidiTrack::program(std::uint32_t tick, int channel, int program) {
    events_.push_back({tick, {channelStatus(0xC0, channel), dataByte(program)}});
}

void MidiTrack::controller(std::uint32_t tick, int channel, int controller, int value) {
    events_.push_back(
        {tick, {channelStatus(0xB0, channel), dataByte(controller), dataByte(value)}});
}

void MidiTrack::note(std::uint32_t tick, int channel, int key, int velocity, std::uint32_t length) {
    events_.push_back({tick, {channelStatus(0x90, channel), dataByte(key), dataByte(velocity)}});
    events_.push_back({tick + length, {channelStatus(0x80, channel), dataByte(key), 0x40}});
}

std::vector<std::uint8_t> encodeSmf(const std::vector<MidiTrack>& tracks,
                                    std::uint16_t ticksPerQuarter, std::uint32_t endTick) {
    std::vector<std::uint8_t> out{'M', 'T', 'h', 'd'};
    appendBe(out, 6, 4);
    appendBe(out, 1, 2); // format 1
    appendBe(out, static_cast<std::uint32_t>(tracks.size()), 2);
    appendBe(out, ticksPerQuarter, 2);
    for (const MidiTrack& track : tracks) {
        const std::vector<std::uint8_t> chunk = trackChunk(track, endTick);
        out.insert(out.end(), chunk.begin(), chunk.end());
    }
    return out;
}

} // namespace soundgen
