// The sound part of the generated content pack, checked against the one list of sounds.

#include "../../tools/soundgen/SoundManifest.h"
#include "Content.h"
#include "platform/Application.h"
#include "platform/Form.h"
#include "platform/MediaPlayer.h"
#include "platform/SdlHandles.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/sdl/SdlAudio.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

namespace fs = std::filesystem;
using namespace soundgen;

namespace {

const fs::path kGameDir = QV_GAME_DIR;

std::vector<std::uint8_t> readBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Samples of 16-bit PCM, channels interleaved as they are stored.
std::vector<float> samplesOf(const std::uint8_t* bytes, std::size_t length) {
    std::vector<float> samples(length / 2);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::int16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8)) / 32768.0f;
    return samples;
}

double peakOf(const std::vector<float>& samples) {
    double peak = 0;
    for (float sample : samples)
        peak = std::max(peak, std::abs(static_cast<double>(sample)));
    return peak;
}

// Interleaved channels measure as one faster stream: a 20 ms frame then spans them all.
double loudnessOf(std::vector<float> samples, int rate, int channels = 1) {
    return loudness(Pcm{rate * channels, std::move(samples)});
}

struct WaveStats {
    double seconds = 0;
    double peak = 0;
    double rms = 0;
    double loudness = 0; // dBFS
};

struct WavBufferFree {
    void operator()(Uint8* buffer) const { SDL_FreeWAV(buffer); }
};

// Decodes through SDL as the game's mixer does, and measures the signal.
WaveStats loadWave(const fs::path& path) {
    SDL_AudioSpec wanted{};
    Uint8* raw = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV(path.c_str(), &wanted, &raw, &length) == nullptr)
        throw std::runtime_error(std::string("SDL cannot load it: ") + SDL_GetError());
    const std::unique_ptr<Uint8, WavBufferFree> buffer(raw);
    if (wanted.format != AUDIO_S16LSB || wanted.channels != 1)
        throw std::runtime_error("not 16-bit mono PCM");
    if (wanted.freq != 22050 && wanted.freq != 44100)
        throw std::runtime_error("unexpected rate " + std::to_string(wanted.freq));

    std::vector<float> samples = samplesOf(raw, length);
    WaveStats stats;
    stats.seconds = static_cast<double>(samples.size()) / wanted.freq;
    stats.peak = peakOf(samples);
    double energy = 0;
    for (float sample : samples)
        energy += static_cast<double>(sample) * sample;
    stats.rms = samples.empty() ? 0 : std::sqrt(energy / static_cast<double>(samples.size()));
    stats.loudness = loudnessOf(std::move(samples), wanted.freq);
    return stats;
}

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The numbers of the files "name-NN.ext" in the sound's folder, matched without regard to case
// as the game matches them.
std::set<int> variantNumbersPresent(const SoundSpec& wanted) {
    const std::regex pattern(lower(std::string(wanted.name)) + "-([0-9]+)" +
                             lower(extension(wanted)).replace(0, 1, "\\."));
    std::set<int> numbers;
    for (const fs::directory_entry& entry :
         fs::directory_iterator(kGameDir / folderName(wanted.folder))) {
        std::smatch match;
        const std::string name = lower(entry.path().filename().string());
        if (std::regex_match(name, match, pattern))
            numbers.insert(std::stoi(match[1]));
    }
    return numbers;
}

std::set<int> oneTo(int count) {
    std::set<int> numbers;
    for (int n = 1; n <= count; ++n)
        numbers.insert(n);
    return numbers;
}

// A minimal Standard MIDI File reader: enough to check the structure and the playing time.
struct MidiSummary {
    int format = 0;
    int declaredTracks = 0;
    int trackChunks = 0;
    double seconds = 0;
    int notesStarted = 0;
    int notesLeftSounding = 0;
};

class MidiReader {
  public:
    explicit MidiReader(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

    MidiSummary read() {
        expectTag("MThd");
        if (be(4) != 6)
            fail("header length");
        summary_.format = static_cast<int>(be(2));
        summary_.declaredTracks = static_cast<int>(be(2));
        const std::uint32_t division = be(2);
        if (division & 0x8000)
            fail("time code division");
        std::uint32_t endTick = 0;
        while (at_ < bytes_.size()) {
            endTick = std::max(endTick, readTrack());
            ++summary_.trackChunks;
        }
        summary_.seconds = secondsAt(endTick, division);
        for (const auto& [key, sounding] : sounding_)
            summary_.notesLeftSounding += sounding;
        return summary_;
    }

  private:
    [[noreturn]] void fail(const std::string& what) const {
        throw std::runtime_error("MIDI: bad " + what + " at byte " + std::to_string(at_));
    }

    std::uint8_t byte() {
        if (at_ >= limit_)
            fail("length");
        return bytes_[at_++];
    }

    std::uint32_t be(int count) {
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i)
            value = (value << 8) | byte();
        return value;
    }

    std::uint32_t varLength() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const std::uint8_t next = byte();
            value = (value << 7) | (next & 0x7F);
            if (!(next & 0x80))
                return value;
        }
        fail("variable-length number");
    }

    void expectTag(const char* tag) {
        for (int i = 0; i < 4; ++i)
            if (byte() != static_cast<std::uint8_t>(tag[i]))
                fail(std::string("chunk tag ") + tag);
    }

    // Returns the track's last tick.
    std::uint32_t readTrack() {
        expectTag("MTrk");
        const std::uint32_t length = be(4);
        limit_ = at_ + length;
        if (limit_ > bytes_.size())
            fail("track length");
        std::uint32_t tick = 0;
        std::uint8_t status = 0;
        bool ended = false;
        while (!ended) {
            tick += varLength();
            std::uint8_t first = byte();
            if (first & 0x80)
                status = first;
            else if (status == 0)
                fail("running status");
            else
                --at_;
            ended = readEvent(status, tick);
        }
        if (at_ != limit_)
            fail("data after the end of track");
        limit_ = bytes_.size();
        return tick;
    }

    bool readEvent(std::uint8_t status, std::uint32_t tick) {
        if (status == 0xFF) {
            const std::uint8_t type = byte();
            const std::uint32_t length = varLength();
            if (type == 0x51 && length == 3)
                tempos_[tick] = be(3);
            else
                at_ += length;
            return type == 0x2F;
        }
        if (status == 0xF0 || status == 0xF7) {
            at_ += varLength();
            return false;
        }
        const int kind = status & 0xF0;
        const std::uint8_t data1 = byte();
        if (kind == 0xC0 || kind == 0xD0)
            return false;
        const std::uint8_t data2 = byte();
        const int key = (status & 0x0F) * 128 + data1;
        if (kind == 0x90 && data2 > 0) {
            ++summary_.notesStarted;
            ++sounding_[key];
        } else if ((kind == 0x80 || kind == 0x90) && sounding_[key] > 0) {
            --sounding_[key];
        }
        return false;
    }

    double secondsAt(std::uint32_t endTick, std::uint32_t division) const {
        double seconds = 0;
        std::uint32_t tick = 0;
        std::uint32_t tempo = 500000;
        for (const auto& [changeTick, newTempo] : tempos_) {
            if (changeTick >= endTick)
                break;
            seconds += (changeTick - tick) * tempo / 1e6 / division;
            tick = changeTick;
            tempo = newTempo;
        }
        return seconds + (endTick - tick) * static_cast<double>(tempo) / 1e6 / division;
    }

    std::vector<std::uint8_t> bytes_;
    std::size_t at_ = 0;
    std::size_t limit_ = static_cast<std::size_t>(-1);
    std::map<std::uint32_t, std::uint32_t> tempos_;
    std::map<int, int> sounding_;
    MidiSummary summary_;
};

} // namespace

TEST(SoundsTest, EveryWaveDecodesLastsItsRangeAndSoundsUnlessMute) {
    for (const SoundSpec& wanted : kSounds) {
        if (wanted.format != Format::Wave)
            continue;
        for (int n = firstVariant(wanted); n <= lastVariant(wanted); ++n) {
            const fs::path path = kGameDir / relativePath(wanted, n);
            SCOPED_TRACE(path.string());
            ASSERT_TRUE(fs::exists(path));
            const WaveStats stats = loadWave(path);
            EXPECT_TRUE(lastsRightTime(wanted, stats.seconds)) << stats.seconds << " s";
            if (wanted.level == Level::Audible) {
                EXPECT_GT(stats.peak, 0.25);
                EXPECT_GT(stats.rms, 0.02);
            } else {
                EXPECT_LT(stats.peak, 0.001); // the mute effect must cut, not add, sound
            }
        }
    }
}

// Takes of one phrase take turns at random: none may stand out as louder than its siblings.
TEST(SoundsTest, TakesOfOneSoundMatchInLoudness) {
    for (const SoundSpec& wanted : kSounds) {
        if (wanted.format != Format::Wave || wanted.variants < 2)
            continue;
        std::map<double, int> takes; // loudness to variant
        for (int n = firstVariant(wanted); n <= lastVariant(wanted); ++n)
            takes[loadWave(kGameDir / relativePath(wanted, n)).loudness] = n;
        EXPECT_LE(takes.rbegin()->first - takes.begin()->first, 1.5)
            << wanted.name << ": take " << takes.begin()->second << " at " << takes.begin()->first
            << " dBFS, take " << takes.rbegin()->second << " at " << takes.rbegin()->first
            << " dBFS";
    }
}

TEST(SoundsTest, VariantsAreNumberedFromOneWithoutGapsAndSinglesAreNotNumbered) {
    for (const SoundSpec& wanted : kSounds) {
        SCOPED_TRACE(std::string(wanted.name));
        EXPECT_EQ(variantNumbersPresent(wanted), oneTo(wanted.variants));
        if (wanted.variants == 0) {
            EXPECT_TRUE(fs::exists(kGameDir / relativePath(wanted, 0)));
        }
    }
}

TEST(SoundsTest, MusicIsAWellFormedMidiFileOfAtLeastItsMinimumLength) {
    for (const SoundSpec& wanted : kSounds) {
        if (wanted.format != Format::Midi)
            continue;
        SCOPED_TRACE(std::string(wanted.name));
        const MidiSummary music = MidiReader(readBytes(kGameDir / relativePath(wanted, 0))).read();
        EXPECT_TRUE(music.format == 0 || music.format == 1);
        EXPECT_EQ(music.trackChunks, music.declaredTracks);
        EXPECT_TRUE(lastsRightTime(wanted, music.seconds)) << music.seconds << " s";
        EXPECT_GT(music.notesStarted, 100);
        EXPECT_EQ(music.notesLeftSounding, 0);
    }
}

TEST(SoundsTest, GeneratorWritesTheSameBytesAtEveryRun) {
    const fs::path again = fs::path(QV_BINARY_DIR) / "soundgen-rerun";
    fs::remove_all(again);
    const std::string command =
        std::string(QV_BINARY_DIR) + "/tools/soundgen/quorvane_soundgen " + again.string();
    ASSERT_EQ(std::system(command.c_str()), 0);
    for (const SoundSpec& wanted : kSounds)
        for (int n = firstVariant(wanted); n <= lastVariant(wanted); ++n) {
            SCOPED_TRACE(relativePath(wanted, n));
            EXPECT_EQ(readBytes(again / relativePath(wanted, n)),
                      readBytes(kGameDir / relativePath(wanted, n)));
        }
    fs::remove_all(again);
}

namespace {

struct MusicPlayer : ui::Form {
    ui::MediaPlayer player{*this, "music"};
};

// A sound as the game's mixer holds it: the peak and the loudness (dBFS) of its samples in the
// device's format.
struct Measured {
    double peak = 0;
    double loudness = kSilent;
};

Measured levelOf(const std::vector<float>& samples, int rate, int channels) {
    return {peakOf(samples), loudnessOf(samples, rate, channels)};
}

// The loudness (dBFS) of the loudest stretch of the given length, stepping by a twentieth of it.
double loudestStretch(const std::vector<float>& samples, std::size_t length) {
    std::vector<double> energyBefore(samples.size() + 1, 0.0);
    for (std::size_t i = 0; i < samples.size(); ++i)
        energyBefore[i + 1] = energyBefore[i] + static_cast<double>(samples[i]) * samples[i];
    double loudest = 1e-20;
    for (std::size_t at = 0; at + length <= samples.size();
         at += std::max<std::size_t>(1, length / 20))
        loudest = std::max(loudest, energyBefore[at + length] - energyBefore[at]);
    return 10.0 * std::log10(loudest / static_cast<double>(length));
}

// What the game's own mixer makes of the pack at full volume: the music as the device received
// it, and each wave as decoded into the device's format.
struct MixLevels {
    Measured music;
    double musicLoudestSecond = kSilent;
    std::map<std::string, Measured> waves;
};

MixLevels levelsThroughTheMixer() {
    const fs::path raw =
        fs::path(testing::TempDir()) / ("quorvane_mix_" + std::to_string(getpid()) + ".raw");
    const char* driver = getenv("SDL_AUDIODRIVER");
    const std::string driverBefore = driver != nullptr ? driver : "";
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", raw.c_str(), 1);
    // The device takes each buffer at once, so the music plays in far less than its time.
    setenv("SDL_DISKAUDIODELAY", "0", 1);
    MixLevels levels;
    int rate = 0, channels = 0;
    {
        ui::Application app(std::make_unique<ui::HeadlessBackend>(), ui::OpenSdlAudio());
        Uint16 format = 0;
        EXPECT_TRUE(Mix_QuerySpec(&rate, &format, &channels) == 1 && format == AUDIO_S16LSB);
        for (const SoundSpec& wanted : kSounds) {
            for (int n = firstVariant(wanted); n <= lastVariant(wanted); ++n) {
                const std::string name = relativePath(wanted, n);
                if (wanted.format == Format::Wave) {
                    const ui::ChunkPtr chunk(Mix_LoadWAV((kGameDir / name).c_str()));
                    EXPECT_TRUE(chunk) << name;
                    if (chunk)
                        levels.waves[name] =
                            levelOf(samplesOf(chunk->abuf, chunk->alen), rate, channels);
                    continue;
                }
                auto form = std::make_shared<MusicPlayer>();
                form->Load();
                bool done = false;
                form->player.Done = [&](int) { done = true; };
                form->player.FileName = (kGameDir / name).string();
                form->player.Command("open");
                form->player.Command("play");
                // A bound on a hung device, not a measurement.
                const auto giveUp = std::chrono::steady_clock::now() + std::chrono::minutes(2);
                while (!done && std::chrono::steady_clock::now() < giveUp) {
                    app.DoEvents();
                    std::this_thread::sleep_for(std::chrono::milliseconds(5));
                }
                EXPECT_TRUE(done) << name;
            }
        }
    }
    unsetenv("SDL_DISKAUDIODELAY");
    unsetenv("SDL_DISKAUDIOFILE");
    if (driverBefore.empty()) {
        unsetenv("SDL_AUDIODRIVER");
    } else {
        setenv("SDL_AUDIODRIVER", driverBefore.c_str(), 1);
    }
    const std::vector<std::uint8_t> bytes = readBytes(raw);
    fs::remove(raw);
    const std::vector<float> music = samplesOf(bytes.data(), bytes.size());
    levels.music = levelOf(music, rate, channels);
    levels.musicLoudestSecond = loudestStretch(music, static_cast<std::size_t>(rate * channels));
    return levels;
}

} // namespace

// One run of the mixer, as the program plays the pack, for two things heard together:
// - the mixer adds the music and its channels, all at full volume, and clamps the sum: with
//   the loudest effect or narration at its peak on top of the music's, the sum stays below
//   full scale wherever the two meet;
// - a phrase the game speaks while the countdown's music runs stands well above the music,
//   even above the second where the music swells most.
TEST(SoundsTest, OverTheMusicNothingClipsAndPhrasesStandWellAboveIt) {
    const MixLevels levels = levelsThroughTheMixer();
    const auto loudest = std::max_element(
        levels.waves.begin(), levels.waves.end(),
        [](const auto& a, const auto& b) { return a.second.peak < b.second.peak; });
    ASSERT_NE(loudest, levels.waves.end());
    EXPECT_GT(levels.music.peak, 0.05) << "the music played silent";
    EXPECT_LT(levels.music.peak + loudest->second.peak, 1.0)
        << "music peak " << levels.music.peak << ", " << loudest->first << " peak "
        << loudest->second.peak;

    EXPECT_GT(levels.music.loudness, -45.0) << "the music played silent";
    const std::set<std::string_view> overTheMusic{"temcerteza",    "ajudaconvid", "placas",
                                                  "tempoacabando", "ajudacartas", "eliminarerradas",
                                                  "responda"};
    for (const SoundSpec& wanted : kSounds) {
        if (!overTheMusic.contains(wanted.name))
            continue;
        for (int n = firstVariant(wanted); n <= lastVariant(wanted); ++n) {
            const std::string name = relativePath(wanted, n);
            ASSERT_TRUE(levels.waves.contains(name)) << name;
            EXPECT_GE(levels.waves.at(name).loudness, levels.musicLoudestSecond + 8.0)
                << name << " at " << levels.waves.at(name).loudness
                << " dBFS; the music's loudest second " << levels.musicLoudestSecond
                << " dBFS, its level " << levels.music.loudness << " dBFS";
        }
    }
}

namespace {

// A narration's music outside its spoken lines, where it plays alone.
std::vector<float> musicBetweenLines(const Narration& narration) {
    std::vector<float> music = narration.music.samples;
    for (const SpokenLine& line : narration.lines) {
        const auto from =
            std::min(music.size(), static_cast<std::size_t>(line.atSeconds * narration.music.rate));
        const std::size_t to = std::min(music.size(), from + line.voice.samples.size());
        std::fill(music.begin() + static_cast<std::ptrdiff_t>(from),
                  music.begin() + static_cast<std::ptrdiff_t>(to), 0.0f);
    }
    return music;
}

} // namespace

// Measured on a narration's parts before they are mixed, each at the level it is mixed at: a
// line against the fanfares around it.
TEST(SoundsTest, EachNarrationsVoiceIsNoQuieterThanItsMusic) {
    const Narrations narrations = buildNarrations();
    ASSERT_FALSE(narrations.empty());
    for (const auto& [name, narration] : narrations) {
        const double music = loudnessOf(musicBetweenLines(narration), narration.music.rate);
        ASSERT_FALSE(narration.lines.empty()) << name;
        for (const SpokenLine& line : narration.lines)
            EXPECT_GE(loudnessOf(line.voice.samples, line.voice.rate), music)
                << name << ": the line at " << line.atSeconds << " s";
    }
}
