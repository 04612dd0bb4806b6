#include "platform/sdl/SdlAudio.h"
#include "SoundFiles.h"
#include "platform/Application.h"
#include "platform/Form.h"
#include "platform/MediaPlayer.h"
#include "platform/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Whether any sample of the raw 16-bit output between the two byte offsets is loud.
bool Sounds(const fs::path& raw, std::uintmax_t from, std::uintmax_t to) {
    std::ifstream in(raw, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(from));
    std::vector<std::int16_t> samples((to - from) / 2);
    in.read(reinterpret_cast<char*>(samples.data()), static_cast<std::streamsize>(to - from));
    return std::any_of(samples.begin(), samples.end(),
                       [](std::int16_t s) { return std::abs(s) > 1000; });
}

struct MusicForm : ui::Form {
    ui::MediaPlayer player{*this, "music"};
};

TEST(SdlAudio, EffectAndMidiMusicReachTheDevice) {
    const fs::path dir = fs::path(testing::TempDir()) / ("sdl_audio_" + std::to_string(getpid()));
    fs::remove_all(dir);
    testfiles::Save(dir / "efeito.WAV", testfiles::Wav(300));
    testfiles::Save(dir / "tema.mid", testfiles::OneNote());
    const fs::path raw = dir / "saida.raw";
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", raw.c_str(), 1);

    std::uintmax_t afterEffect = 0;
    int done = 0;
    {
        ui::Application app(std::make_unique<ui::HeadlessBackend>(), ui::OpenSdlAudio());
        ASSERT_EQ(dynamic_cast<ui::SilentAudio*>(&app.audio()), nullptr);

        ui::PlaySoundFile((dir / "EFEITO.wav").string(), ui::SND_NODEFAULT);
        afterEffect = fs::file_size(raw);

        auto form = std::make_shared<MusicForm>();
        form->Load();
        form->player.Done = [&](int) { ++done; };
        form->player.FileName = (dir / "tema.mid").string();
        form->player.Command("open");
        form->player.Command("play");
        // A bound on a hung device, not a measurement.
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (done == 0 && std::chrono::steady_clock::now() < giveUp) {
            app.DoEvents();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    EXPECT_EQ(done, 1);
    EXPECT_TRUE(Sounds(raw, 0, afterEffect));
    // Past what the effect may still have had in the device's buffers.
    EXPECT_TRUE(Sounds(raw, afterEffect + 16384, fs::file_size(raw)));
    fs::remove_all(dir);
}

struct NarrationForm : ui::Form {
    ui::MediaPlayer player{*this, "narration"};
};

// A narration is decoded away from the event loop: a play asked for before its file is ready
// starts once it is, and a stop meanwhile leaves it at its start, to play whole later.
TEST(SdlAudio, NarrationPlayedAsItOpensStartsOnceDecoded) {
    const fs::path dir =
        fs::path(testing::TempDir()) / ("sdl_narration_" + std::to_string(getpid()));
    fs::remove_all(dir);
    testfiles::Save(dir / "fala.wav", testfiles::Wav(400));
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ui::Application app(std::make_unique<ui::HeadlessBackend>(), ui::OpenSdlAudio());
    auto form = std::make_shared<NarrationForm>();
    form->Load();
    int done = 0;
    form->player.Done = [&](int) { ++done; };
    // Runs the event loop until `until` holds or `ms` have passed.
    const auto runUntil = [&](const std::function<bool()>& until, int ms = 20000) {
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (!until() && std::chrono::steady_clock::now() < giveUp) {
            app.DoEvents();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    };
    form->player.FileName = (dir / "fala.wav").string();
    form->player.Command("open");
    form->player.Command("play");
    form->player.Command("stop");
    runUntil([] { return false; }, 600); // longer than the file: nothing plays
    EXPECT_EQ(done, 0);
    form->player.Command("play");
    runUntil([&] { return done > 0; });
    EXPECT_EQ(done, 1);
    form->player.Command("open");
    form->player.Command("play");
    runUntil([&] { return done > 1; });
    EXPECT_EQ(done, 2);
    fs::remove_all(dir);
}

TEST(SdlAudio, WithoutADeviceTheProgramRunsSilent) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    ui::Application app(std::make_unique<ui::HeadlessBackend>(), ui::OpenSdlAudio());
    EXPECT_NE(dynamic_cast<ui::SilentAudio*>(&app.audio()), nullptr);
}

} // namespace
