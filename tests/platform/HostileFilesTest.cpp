// The readers of pictures, sounds, music and the question database against damaged files and
// things that are not ordinary files: each answers as for a damaged file of its kind, in
// bounded time and memory (the sanitizer build fails an allocation of hundreds of GiB).
#include "support/HostileFiles.h"
#include "platform/DataControl.h"
#include "platform/Error.h"
#include "platform/Files.h"
#include "platform/Picture.h"
#include "platform/SoundFile.h"
#include "platform/sdl/SdlAudio.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include <chrono>
#include <cstdlib>

namespace fs = std::filesystem;
using testing_support::FileBytes;
using testing_support::ForEachSpecialFile;
using testing_support::Mutated;
using testing_support::PutFile;

namespace {

const fs::path kGame = QV_GAME_DIR;

class HostileFiles : public ::testing::Test {
  protected:
    HostileFiles() {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    ~HostileFiles() override { fs::remove_all(dir); }
    const fs::path dir = fs::path(testing::TempDir()) / ("hostile_" + std::to_string(getpid()));
};

// The number of the error that loading the picture raises, or 0 when it loads.
int PictureError(const fs::path& file) {
    try {
        const ui::Picture p = ui::Picture::FromFile(file.string());
        EXPECT_LE(std::int64_t{p.Width()} * p.Height(), 2048 * 1024);
        return 0;
    } catch (const ui::RuntimeError& e) {
        return e.Number();
    }
}

std::string Bmp(std::int32_t width, std::int32_t height, std::uint16_t bits, std::size_t pixels) {
    std::string b = "BM";
    const auto put = [&b](std::uint32_t v, int size) {
        for (int i = 0; i < size; ++i) {
            b += static_cast<char>(v >> (8 * i));
        }
    };
    put(static_cast<std::uint32_t>(54 + pixels), 4);
    put(0, 4);
    put(54, 4);
    put(40, 4);
    put(static_cast<std::uint32_t>(width), 4);
    put(static_cast<std::uint32_t>(height), 4);
    put(1, 2);
    put(bits, 2);
    put(0, 4);
    put(static_cast<std::uint32_t>(pixels), 4);
    put(2835, 4);
    put(2835, 4);
    put(0, 4);
    put(0, 4);
    return b + std::string(pixels, '\x40');
}

} // namespace

TEST_F(HostileFiles, PictureHeadersMustDeclareWhatTheFileHolds) {
    const struct {
        std::string name;
        std::string bytes;
        bool loads;
    } cases[] = {
        {"intact", Bmp(4, 2, 24, 2 * 12), true},
        {"top-down", Bmp(4, -2, 24, 2 * 12), true},
        {"rows missing", Bmp(4, 3, 24, 2 * 12), false},
        {"widest width", Bmp(0x7fffffff, 1, 24, 64), false},
        {"lowest height", Bmp(1, INT32_MIN, 24, 64), false},
        {"one bit too high", Bmp(4, 2 | 1 << 20, 24, 2 * 12), false},
        {"no bits", Bmp(4, 2, 0, 2 * 12), false},
        {"zero width", Bmp(0, 2, 24, 2 * 12), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PutFile(dir / "x.bmp", c.bytes);
        EXPECT_EQ(PictureError(dir / "x.bmp"), c.loads ? 0 : ui::ERR_INVALID_PICTURE);
    }
}

TEST_F(HostileFiles, DamagedPicturesLoadOrAreInvalid) {
    const std::string good = FileBytes(kGame / "Graficos" / "01.bmp");
    ASSERT_GT(good.size(), 54u);
    std::mt19937 random(1501);
    for (int round = 0; round < 300; ++round) {
        PutFile(dir / "x.bmp", Mutated(good, random, 54));
        const int error = PictureError(dir / "x.bmp");
        EXPECT_TRUE(error == 0 || error == ui::ERR_INVALID_PICTURE) << round << ": " << error;
    }
}

TEST_F(HostileFiles, SpecialFilesAreNoPictures) {
    ForEachSpecialFile(dir / "x.bmp", [&](const std::string&) {
        EXPECT_EQ(PictureError(dir / "x.bmp"), ui::ERR_INVALID_PICTURE);
    });
    EXPECT_EQ(PictureError(dir / "missing.bmp"), ui::ERR_FILE_NOT_FOUND);
}

// A WAV the mixer would have to stretch beyond reason, or that holds no sound, is no sound.
TEST_F(HostileFiles, WavFilesOutsideSaneRatesAreNoSounds) {
    const auto wav = [](std::uint32_t rate, std::uint16_t channels, std::uint16_t bits,
                        std::uint32_t dataBytes) {
        std::vector<std::uint8_t> b;
        const auto put = [&b](std::uint32_t v, int size) {
            for (int i = 0; i < size; ++i) {
                b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
            }
        };
        for (char c : std::string("RIFF")) {
            b.push_back(static_cast<std::uint8_t>(c));
        }
        put(36 + dataBytes, 4);
        for (char c : std::string("WAVEfmt ")) {
            b.push_back(static_cast<std::uint8_t>(c));
        }
        put(16, 4);
        put(1, 2);
        put(channels, 2);
        put(rate, 4);
        put(rate * channels * bits / 8, 4);
        put(static_cast<std::uint32_t>(channels * bits / 8), 2);
        put(bits, 2);
        for (char c : std::string("data")) {
            b.push_back(static_cast<std::uint8_t>(c));
        }
        put(dataBytes, 4);
        b.resize(b.size() + dataBytes);
        return b;
    };
    EXPECT_EQ(ui::WavDurationMs(wav(4000, 1, 8, 4000)), 1000u);
    EXPECT_EQ(ui::WavDurationMs(wav(192000, 2, 16, 768)), 1u);
    EXPECT_EQ(ui::WavDurationMs(wav(3999, 1, 8, 4000)), std::nullopt);
    EXPECT_EQ(ui::WavDurationMs(wav(192001, 1, 8, 4000)), std::nullopt);
    EXPECT_EQ(ui::WavDurationMs(wav(1, 1, 8, 100)), std::nullopt);
    EXPECT_EQ(ui::WavDurationMs(wav(8000, 1, 16, 0)), std::nullopt);
    EXPECT_EQ(ui::WavDurationMs(wav(8000, 1, 16, 1)), std::nullopt); // less than a frame
    EXPECT_EQ(ui::WavDurationMs(wav(8000, 0, 16, 100)), std::nullopt);
    EXPECT_EQ(ui::WavDurationMs(wav(8000, 1, 0, 100)), std::nullopt);
    // Longer than ten minutes.
    EXPECT_EQ(ui::WavDurationMs(wav(4000, 1, 8, 4000 * 601)), std::nullopt);
}

// Damaged effects and music through the durations both backends use and through the mixer
// itself (on its dummy device): nothing crashes, a waited effect never waits past its file's
// sane length, and what the durations refuse the mixer never sees.
TEST_F(HostileFiles, DamagedSoundsAndMusicPlayOrStaySilent) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const std::unique_ptr<ui::Audio> audio = ui::OpenSdlAudio();
    ASSERT_EQ(dynamic_cast<ui::SilentAudio*>(audio.get()), nullptr);
    const std::unique_ptr<ui::Voice> voice = audio->NewVoice("musica", nullptr);
    const struct {
        fs::path seed;
        std::string name;
        int mixerRounds;
    } kinds[] = {
        {kGame / "sons" / "click.WAV", "x.wav", 300},
        // The synthesiser reads its sound font at each load: fewer rounds through the mixer.
        {kGame / "sons" / "gamebgm.mid", "x.mid", 40},
    };
    std::mt19937 random(1502);
    for (const auto& kind : kinds) {
        const std::string good = FileBytes(kind.seed);
        ASSERT_GT(good.size(), 64u) << kind.seed;
        for (int round = 0; round < 300; ++round) {
            const std::string bytes = Mutated(good, random, 64);
            PutFile(dir / kind.name, bytes);
            const auto length = ui::SoundDurationMs((dir / kind.name).string());
            if (kind.name == "x.wav" && length) {
                EXPECT_LE(*length, 10u * 60 * 1000);
            }
            if (round >= kind.mixerRounds) {
                continue;
            }
            // The dummy device plays in real time: only some effects are waited for.
            const int flags = round % 15 == 0 ? ui::SND_NODEFAULT : ui::SND_ASYNC;
            const auto start = std::chrono::steady_clock::now();
            audio->PlayEffect((dir / kind.name).string(), flags);
            while (flags == ui::SND_NODEFAULT && !audio->WaitEffect(100)) {
            }
            const auto waited = std::chrono::steady_clock::now() - start;
            // A bound for a hang, not a timing: a loaded sanitizer run has taken 25 s.
            EXPECT_LE(waited, std::chrono::milliseconds(length.value_or(0) + 60000)) << round;
            voice->Open((dir / kind.name).string());
            voice->Play();
            voice->Close();
        }
    }
}

TEST_F(HostileFiles, SpecialFilesAreMissingSounds) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const std::unique_ptr<ui::Audio> audio = ui::OpenSdlAudio();
    const std::unique_ptr<ui::Voice> voice = audio->NewVoice("musica", nullptr);
    for (const char* name : {"x.WAV", "gamebgm.mid"}) {
        const fs::path path = dir / name;
        ForEachSpecialFile(path, [&](const std::string&) {
            EXPECT_EQ(ui::SoundDurationMs(path.string()), std::nullopt);
            audio->PlayEffect(path.string(), ui::SND_NODEFAULT);
            EXPECT_TRUE(audio->WaitEffect(0));
            voice->Open(path.string());
            voice->Play();
            voice->Close();
        });
    }
}

TEST_F(HostileFiles, SpecialFilesAreUnreadableDatabases) {
    ForEachSpecialFile(dir / "bot_sc.bmp", [&](const std::string& kind) {
        ui::DataControl dtSC;
        dtSC.DatabaseName = (dir / "bot_sc.bmp").string();
        dtSC.RecordSource = "Select * FROM dados WHERE nivel = 1";
        try {
            dtSC.Refresh();
            ADD_FAILURE() << "read";
        } catch (const ui::RuntimeError& e) {
            const int expected = kind == "empty file"  ? ui::ERR_DATABASE
                                 : kind == "huge file" ? ui::ERR_DATABASE
                                                       : ui::ERR_FILE_ACCESS;
            EXPECT_EQ(e.Number(), expected) << e.what();
            EXPECT_NE(std::string(e.what()).find("bot_sc.bmp"), std::string::npos);
        }
    });
}

// Files that change size while they are read, and the bound itself.
TEST_F(HostileFiles, ReadsStopAtTheirBound) {
    PutFile(dir / "f", std::string(100, 'x'));
    EXPECT_EQ(ui::ReadRegularFile((dir / "f").string(), 100).bytes.size(), 100u);
    EXPECT_EQ(ui::ReadRegularFile((dir / "f").string(), 99).status,
              ui::FileContent::Status::TooLarge);
    // /proc files say they are empty and are not: the bound holds on what is really read.
    EXPECT_EQ(ui::ReadRegularFile("/proc/self/maps", 16).status, ui::FileContent::Status::TooLarge);
    EXPECT_EQ(ui::ReadRegularFile((dir / "none" / "f").string(), 100).status,
              ui::FileContent::Status::Missing);
}
