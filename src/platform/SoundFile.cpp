#include "platform/SoundFile.h"

#include "platform/Files.h"

#include <algorithm>
#include <limits>
#include <map>

namespace ui {

namespace {

// Reads fixed-size fields from a byte span; any read past the end fails the whole parse.
class Reader {
  public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool AtEnd() const { return pos_ >= bytes_.size(); }
    std::size_t Left() const { return bytes_.size() - pos_; }
    bool Skip(std::size_t n) {
        if (n > Left()) {
            return false;
        }
        pos_ += n;
        return true;
    }
    bool Tag(const char (&tag)[5]) {
        if (Left() < 4 || !std::equal(tag, tag + 4, bytes_.begin() + static_cast<long>(pos_))) {
            return false;
        }
        pos_ += 4;
        return true;
    }
    std::optional<std::uint32_t> Le(int size) { return Number(size, false); }
    std::optional<std::uint32_t> Be(int size) { return Number(size, true); }
    // A MIDI variable-length quantity: seven bits a byte, high bit set on all but the last.
    std::optional<std::uint32_t> VarLen() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            if (AtEnd()) {
                return std::nullopt;
            }
            const std::uint8_t b = bytes_[pos_++];
            value = (value << 7) | (b & 0x7Fu);
            if ((b & 0x80u) == 0) {
                return value;
            }
        }
        return std::nullopt;
    }
    std::optional<std::uint8_t> Byte() {
        if (AtEnd()) {
            return std::nullopt;
        }
        return bytes_[pos_++];
    }
    std::optional<std::uint8_t> Peek() const {
        if (AtEnd()) {
            return std::nullopt;
        }
        return bytes_[pos_];
    }
    std::optional<Reader> Sub(std::size_t n) {
        if (n > Left()) {
            return std::nullopt;
        }
        Reader sub(bytes_.subspan(pos_, n));
        pos_ += n;
        return sub;
    }

  private:
    std::optional<std::uint32_t> Number(int size, bool bigEndian) {
        if (Left() < static_cast<std::size_t>(size)) {
            return std::nullopt;
        }
        std::uint32_t value = 0;
        for (int i = 0; i < size; ++i) {
            const int shift = bigEndian ? 8 * (size - 1 - i) : 8 * i;
            value |= static_cast<std::uint32_t>(bytes_[pos_ + static_cast<std::size_t>(i)])
                     << shift;
        }
        pos_ += static_cast<std::size_t>(size);
        return value;
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

// Tempo changes (tick -> microseconds per quarter note) and the last tick of any track.
struct MidiTiming {
    std::map<std::uint64_t, std::uint32_t> tempos;
    std::uint64_t endTick = 0;
};

// Bytes of data that follow a channel message's status byte.
int DataBytes(std::uint8_t status) {
    const std::uint8_t kind = status & 0xF0;
    return (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
}

bool ReadTrack(Reader track, MidiTiming& timing) {
    std::uint64_t tick = 0;
    std::uint8_t running = 0;
    while (!track.AtEnd()) {
        const auto delta = track.VarLen();
        const auto next = track.Peek();
        if (!delta || !next) {
            return false;
        }
        tick += *delta;
        if (*next == 0xFF) {
            track.Skip(1);
            const auto type = track.Byte();
            const auto length = track.VarLen();
            if (!type || !length) {
                return false;
            }
            auto data = track.Sub(*length);
            if (!data) {
                return false;
            }
            if (*type == 0x51 && *length == 3) {
                timing.tempos[tick] = *data->Be(3);
            }
            if (*type == 0x2F) {
                break;
            }
        } else if (*next == 0xF0 || *next == 0xF7) {
            track.Skip(1);
            const auto length = track.VarLen();
            if (!length || !track.Skip(*length)) {
                return false;
            }
        } else {
            if (*next & 0x80) {
                running = *next;
                track.Skip(1);
            }
            if (running == 0 || !track.Skip(static_cast<std::size_t>(DataBytes(running)))) {
                return false;
            }
        }
    }
    timing.endTick = std::max(timing.endTick, tick);
    return true;
}

// A damaged header can give any length; the count of milliseconds stops at its largest.
std::uint32_t ClampedMs(double ms) {
    constexpr double LONGEST = std::numeric_limits<std::uint32_t>::max();
    return static_cast<std::uint32_t>(std::min(ms, LONGEST));
}

std::uint32_t TicksToMs(const MidiTiming& timing, std::uint32_t division) {
    if (division & 0x8000u) {
        // Time code: frames per second (negative byte) and ticks per frame.
        const int fps = -static_cast<std::int8_t>(division >> 8);
        const double perSecond = (fps == 29 ? 29.97 : fps) * static_cast<double>(division & 0xFF);
        return perSecond > 0 ? ClampedMs(1000.0 * static_cast<double>(timing.endTick) / perSecond)
                             : 0;
    }
    if (division == 0) {
        return 0;
    }
    double micros = 0;
    std::uint64_t tick = 0;
    std::uint32_t tempo = 500000;
    for (const auto& [at, value] : timing.tempos) {
        const std::uint64_t upTo = std::min(at, timing.endTick);
        micros += static_cast<double>(upTo - tick) * tempo / division;
        tick = upTo;
        tempo = value;
    }
    micros += static_cast<double>(timing.endTick - tick) * tempo / division;
    return ClampedMs(micros / 1000.0);
}

// The fields of a WAV file's "fmt " chunk that decide how long it plays.
struct WavFormat {
    std::uint32_t channels;
    std::uint32_t rate;
    std::uint32_t bits;

    // Rates outside these are no real recording, and the mixer would stretch a 1 Hz file into
    // hours of samples. Longer effects and narrations than this are not sounds of the game.
    static constexpr std::uint32_t MIN_RATE = 4000;
    static constexpr std::uint32_t MAX_RATE = 192000;
    static constexpr std::uint64_t MAX_MS = 10 * 60 * 1000;

    std::optional<std::uint32_t> PlayableMs(std::uint64_t dataBytes) const {
        if (channels == 0 || bits == 0 || rate < MIN_RATE || rate > MAX_RATE) {
            return std::nullopt;
        }
        const std::uint64_t frames = dataBytes * 8 / (std::uint64_t{channels} * bits);
        const std::uint64_t ms = frames * 1000 / rate;
        if (frames == 0 || ms > MAX_MS) {
            return std::nullopt;
        }
        return static_cast<std::uint32_t>(ms);
    }
};

std::optional<WavFormat> ReadWavFormat(Reader body) {
    const auto tag = body.Le(2);
    const auto channels = body.Le(2);
    const auto rate = body.Le(4);
    if (!tag || !channels || !rate || !body.Skip(6)) {
        return std::nullopt;
    }
    const auto bits = body.Le(2);
    if (!bits) {
        return std::nullopt;
    }
    return WavFormat{*channels, *rate, *bits};
}

} // namespace

std::optional<std::uint32_t> WavDurationMs(std::span<const std::uint8_t> bytes) {
    Reader r(bytes);
    if (!r.Tag("RIFF") || !r.Skip(4) || !r.Tag("WAVE")) {
        return std::nullopt;
    }
    std::optional<WavFormat> format;
    while (!r.AtEnd()) {
        const bool isFormat = r.Tag("fmt ");
        const bool isData = !isFormat && r.Tag("data");
        if (!isFormat && !isData && !r.Skip(4)) {
            return std::nullopt;
        }
        const auto size = r.Le(4);
        if (!size) {
            return std::nullopt;
        }
        if (isData) {
            // A truncated last chunk plays what is there.
            return format ? format->PlayableMs(std::min<std::uint64_t>(*size, r.Left()))
                          : std::nullopt;
        }
        auto body = r.Sub(std::min<std::size_t>(*size, r.Left()));
        if (isFormat && !(format = ReadWavFormat(*body))) {
            return std::nullopt;
        }
        r.Skip(*size & 1u);
    }
    return std::nullopt;
}

std::optional<std::uint32_t> MidiDurationMs(std::span<const std::uint8_t> bytes) {
    Reader r(bytes);
    const auto headerSize = r.Tag("MThd") ? r.Be(4) : std::nullopt;
    auto header = headerSize ? r.Sub(*headerSize) : std::nullopt;
    if (!header || !header->Skip(2)) {
        return std::nullopt;
    }
    const auto tracks = header->Be(2);
    const auto division = header->Be(2);
    if (!tracks || !division) {
        return std::nullopt;
    }
    MidiTiming timing;
    for (std::uint32_t i = 0; i < *tracks && !r.AtEnd(); ++i) {
        const bool isTrack = r.Tag("MTrk");
        if (!isTrack && !r.Skip(4)) {
            return std::nullopt;
        }
        const auto size = r.Be(4);
        auto body = size ? r.Sub(*size) : std::nullopt;
        if (!body || (isTrack && !ReadTrack(*body, timing))) {
            return std::nullopt;
        }
    }
    return TicksToMs(timing, *division);
}

FileContent ReadSoundFile(const std::string& path) {
    return ReadRegularFile(path, MAX_SOUND_BYTES);
}

std::optional<std::uint32_t> SoundDurationMs(const std::string& path) {
    const FileContent file = ReadSoundFile(path);
    if (!file) {
        return std::nullopt;
    }
    if (auto wav = WavDurationMs(file.Bytes())) {
        return wav;
    }
    return MidiDurationMs(file.Bytes());
}

} // namespace ui
