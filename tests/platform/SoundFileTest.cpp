#include "platform/SoundFile.h"
#include "../sound/SoundFiles.h"

#include <gtest/gtest.h>

using testfiles::Midi;
using testfiles::Wav;

TEST(SoundFile, WavLengthSkipsOtherChunksAndPadding) {
    EXPECT_EQ(ui::WavDurationMs(Wav(750)), 750u);

    // An odd-sized chunk between "fmt " and "data" is padded to an even size.
    std::vector<std::uint8_t> wav = Wav(250);
    const std::vector<std::uint8_t> list{'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    wav.insert(wav.begin() + 36, list.begin(), list.end());
    EXPECT_EQ(ui::WavDurationMs(wav), 250u);

    // A data chunk cut short plays what is there.
    wav.resize(wav.size() - 2000);
    EXPECT_EQ(ui::WavDurationMs(wav), 125u);

    std::vector<std::uint8_t> header = Wav(10);
    header.resize(30);
    EXPECT_EQ(ui::WavDurationMs(header), std::nullopt);
    EXPECT_EQ(ui::WavDurationMs(testfiles::OneNote()), std::nullopt);
}

TEST(SoundFile, MidiLengthFollowsTempoChangesAcrossTracks) {
    EXPECT_EQ(ui::MidiDurationMs(testfiles::OneNote()), 500u);

    // Tempo track: 120 bpm, doubled to 240 bpm at tick 480. The note track is longer, uses
    // running status and carries a system-exclusive message.
    const auto file = Midi({{0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, //
                             0x83, 0x60, 0xFF, 0x51, 0x03, 0x03, 0xD0, 0x90},
                            {0x00, 0xF0, 0x03, 0x7E, 0x7F, 0xF7, //
                             0x00, 0x90, 60, 100,                //
                             0x8B, 0x20, 60, 0}});               // 1440 ticks
    // 480 ticks at 500 ms a quarter, then 960 at 250.
    EXPECT_EQ(ui::MidiDurationMs(file), 1000u);

    // Time-code division: 25 frames of 40 ticks, a thousand ticks a second.
    const auto timecode = Midi({{0x8F, 0x50, 0x90, 60, 100}}, 0xE728);
    EXPECT_EQ(ui::MidiDurationMs(timecode), 2000u);

    auto cut = testfiles::OneNote();
    cut.resize(cut.size() - 6);
    EXPECT_EQ(ui::MidiDurationMs(cut), std::nullopt);
    EXPECT_EQ(ui::MidiDurationMs(Wav(10)), std::nullopt);
}

TEST(SoundFile, FileLengthByContentAndWithoutRegardToCase) {
    const auto dir = std::filesystem::path(testing::TempDir()) / "soundfile_case";
    testfiles::Save(dir / "Tema.MID", testfiles::OneNote());
    testfiles::Save(dir / "voz.WAV", Wav(300));
    EXPECT_EQ(ui::SoundDurationMs((dir / "tema.mid").string()), 500u);
    EXPECT_EQ(ui::SoundDurationMs((dir / "voz.wav").string()), 300u);
    EXPECT_EQ(ui::SoundDurationMs((dir / "nada.wav").string()), std::nullopt);
}
