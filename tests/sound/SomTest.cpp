#include "sound/Som.h"
#include "SoundFiles.h"
#include "core/Config.h"
#include "core/Espera.h"
#include "core/Globais.h"
#include "platform/Application.h"
#include "platform/Form.h"
#include "platform/MediaPlayer.h"
#include "platform/headless/HeadlessAudio.h"
#include "platform/headless/HeadlessBackend.h"
#include "program/Inicio.h"
#include "sound/frmPreto.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class SomTest : public testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::path(testing::TempDir()) /
               ("som_" + std::to_string(getpid()) + "_" +
                testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        RestauraEstado();
        PastaPrograma = dir_.string() + "/";
        PastaSons = PastaPrograma + "sons/";
        PastaAudio = PastaPrograma + "audio/";
        ArquivoConfig = "config.ini";
        SomLigado = VERDADEIRO;
        MusicaLigada = VERDADEIRO;
        auto backend = std::make_unique<ui::HeadlessBackend>();
        backend_ = backend.get();
        auto audio = std::make_unique<ui::HeadlessAudio>(*backend_);
        audio_ = audio.get();
        app_ = std::make_unique<ui::Application>(std::move(backend), std::move(audio));
    }
    void TearDown() override {
        app_.reset();
        fs::remove_all(dir_);
    }

    void Effect(const std::string& file, std::uint32_t ms) {
        testfiles::Save(fs::path(PastaSons) / file, testfiles::Wav(ms));
    }
    void Narration(const std::string& file, std::uint32_t ms) {
        testfiles::Save(fs::path(PastaAudio) / file, testfiles::Wav(ms));
    }
    std::uint32_t Now() { return backend_->Ticks(); }
    std::vector<std::string> Log() const { return audio_->Log(); }
    std::vector<std::string> LogSince(std::size_t from) const {
        return {audio_->Log().begin() + static_cast<long>(from), audio_->Log().end()};
    }

    fs::path dir_;
    ui::HeadlessBackend* backend_ = nullptr;
    ui::HeadlessAudio* audio_ = nullptr;
    std::unique_ptr<ui::Application> app_;
};

// Which variant each effect request named: "acerto-02" for ".../sons/acerto-02.WAV 3".
std::map<std::string, int> Variants(const std::vector<std::string>& log) {
    std::map<std::string, int> count;
    for (const std::string& entry : log) {
        const std::size_t slash = entry.rfind('/');
        count[entry.substr(slash + 1, entry.find('.', slash) - slash - 1)]++;
    }
    return count;
}

TEST_F(SomTest, VariantCountStopsAtTheFirstGap) {
    Effect("acerto-01.WAV", 10);
    Effect("acerto-02.WAV", 10);
    Effect("acerto-04.WAV", 10);
    EXPECT_EQ(ContaVariacoes("acerto"), 2);
    EXPECT_EQ(ContaVariacoes("pular"), 0);

    for (int i = 0; i < 200; ++i) {
        (void)TocaSomVariado("acerto");
    }
    const auto drawn = Variants(Log());
    EXPECT_EQ(drawn.size(), 2u);
    EXPECT_TRUE(drawn.contains("acerto-01") && drawn.contains("acerto-02"));
    // Played in the background under the name the player opens, upper-case extension.
    EXPECT_EQ(Log().front().substr(0, Log().front().size() - 7),
              "effect " + PastaSons + "acerto-0");
    EXPECT_EQ(Log().front().substr(Log().front().size() - 6), ".WAV 3");

    // A family without variants names 00 or 01 and plays nothing.
    const std::size_t before = Log().size();
    (void)TocaSomVariado("pular", 2);
    const auto empty = Variants(LogSince(before));
    EXPECT_TRUE(empty.contains("pular-00") || empty.contains("pular-01"));
    EXPECT_EQ(audio_->EffectPlaying().find("pular"), std::string::npos);
}

TEST_F(SomTest, ThreeVariantsDrawTheEndsHalfAsOftenAsTheMiddle) {
    for (const char* name : {"placas-01.wav", "placas-02.WAV", "PLACAS-03.WAV"}) {
        Effect(name, 10);
    }
    constexpr int DRAWS = 4000;
    for (int i = 0; i < DRAWS; ++i) {
        (void)TocaSomVariado("placas", 2);
    }
    const auto drawn = Variants(Log());
    EXPECT_NEAR(drawn.at("placas-01") / double(DRAWS), 0.25, 0.03);
    EXPECT_NEAR(drawn.at("placas-02") / double(DRAWS), 0.50, 0.03);
    EXPECT_NEAR(drawn.at("placas-03") / double(DRAWS), 0.25, 0.03);
}

struct TickingForm : ui::Form {
    ui::Timer tick{*this, 100};
    int ticks = 0;
    TickingForm() {
        tick.Tick = [this] { ++ticks; };
    }
};

TEST_F(SomTest, SwitchedOffEffectsHandleNoEventAndLeaveThePointer) {
    Effect("click.WAV", 100);
    Effect("mudo.WAV", 10);
    Effect("errar-01.WAV", 100);
    SomLigado = FALSO;
    bool handled = false;
    auto form = std::make_shared<TickingForm>();
    form->Load();
    ui::App().Post(form->Address(), [&] { handled = true; });
    const auto pointers = backend_->PointerHistory();

    (void)TocaSom("click");
    (void)TocaSom("click", 2);
    (void)TocaSomVariado("errar", 2);
    SilenciaEfeito();

    EXPECT_FALSE(handled);
    EXPECT_EQ(backend_->PointerHistory(), pointers);
    EXPECT_TRUE(Log().empty());
    EXPECT_FALSE(frmPreto.Loaded());
}

TEST_F(SomTest, WaitedEffectBlocksForItsOwnLengthUnderTheBusyPointer) {
    Effect("boasorte.WAV", 700);
    auto form = std::make_shared<TickingForm>();
    form->Load();
    form->tick.Enabled(true);
    std::uint32_t handledAt = 0;
    ui::App().Post(form->Address(), [&] { handledAt = Now(); });
    const std::uint32_t start = Now();

    (void)TocaSom("boasorte", 2);

    // Pending events ran before the effect; none while it played.
    EXPECT_EQ(handledAt, start);
    EXPECT_EQ(Now() - start, 700u);
    EXPECT_EQ(form->ticks, 0);
    const auto& pointers = backend_->PointerHistory();
    ASSERT_GE(pointers.size(), 2u);
    EXPECT_EQ(pointers[pointers.size() - 2], ui::vbHourglass);
    EXPECT_EQ(pointers.back(), ui::vbCustom);
    ui::DoEvents();
    EXPECT_EQ(form->ticks, 1);

    // A missing file is silent and does not wait.
    const std::uint32_t before = Now();
    (void)TocaSom("tchau", 2);
    EXPECT_EQ(Now(), before);
    EXPECT_EQ(Log().back(), "effect " + PastaSons + "tchau.WAV 2");
}

TEST_F(SomTest, NewEffectCutsThePlayingOne) {
    Effect("wood.WAV", 3000);
    Effect("responda.WAV", 200);
    (void)TocaSom("wood");
    EXPECT_EQ(audio_->EffectPlaying(), PastaSons + "wood.WAV");

    const std::uint32_t start = Now();
    (void)TocaSom("responda", 2);
    EXPECT_EQ(Now() - start, 200u);
    EXPECT_EQ(audio_->EffectPlaying(), "");

    (void)TocaSom("wood");
    (void)TocaSom("responda");
    EXPECT_EQ(audio_->EffectPlaying(), PastaSons + "responda.WAV");
}

TEST_F(SomTest, GatedNarrationAndMusicDoNotCreateTheHiddenWindow) {
    Narration("trilha09.wav", 5000);
    testfiles::Save(fs::path(PastaSons) / "gamebgm.mid", testfiles::OneNote());

    SomLigado = FALSO;
    MusicaLigada = FALSO;
    AbreNarracao("trilha09");
    TocaNarracao("normal");
    AbreMusica("gamebgm", "normal");
    EXPECT_FALSE(frmPreto.Loaded());
    EXPECT_TRUE(Log().empty());

    // Rewind and play are not gated: they reach the closed player and stay silent.
    VoltaMusica();
    TocaMusica();
    EXPECT_TRUE(frmPreto.Loaded());
    EXPECT_EQ(Log(), (std::vector<std::string>{"MMControl2 prev", "MMControl2 play"}));
    EXPECT_FALSE(audio_->Playing("MMControl2"));

    SomLigado = VERDADEIRO;
    MusicaLigada = VERDADEIRO;
    std::size_t from = Log().size();
    AbreNarracao("trilha09");
    TocaNarracao("normal");
    EXPECT_EQ(LogSince(from),
              (std::vector<std::string>{"MMControl1 close",
                                        "MMControl1 open " + PastaAudio + "trilha09.wav",
                                        "MMControl1 play"}));
    from = Log().size();
    AbreMusica("gamebgm", "normal");
    VoltaMusica();
    TocaMusica();
    EXPECT_EQ(LogSince(from)[2], "MMControl2 open " + PastaSons + "gamebgm.mid");
    EXPECT_TRUE(audio_->Playing("MMControl1"));
    EXPECT_TRUE(audio_->Playing("MMControl2"));
}

TEST_F(SomTest, StopAllBeforeAndAfterTheSettingsAreRead) {
    Effect("mudo.WAV", 50);
    Narration("trilha07.wav", 5000);
    testfiles::Save(fs::path(PastaSons) / "gamebgm.mid", testfiles::OneNote());

    // At start-up the switch is still off: only the players are reached.
    SomLigado = FALSO;
    PararTodosSons();
    EXPECT_TRUE(frmPreto.Loaded());
    EXPECT_EQ(frmPreto->Image1.MouseIcon().Width(), 32);
    EXPECT_EQ(Log(), (std::vector<std::string>{"MMControl1 close", "MMControl2 stop"}));

    SomLigado = VERDADEIRO;
    AbreNarracao("trilha07");
    TocaNarracao("normal");
    AbreMusica("gamebgm", "normal");
    TocaMusica();
    const std::size_t from = Log().size();
    const std::uint32_t start = Now();
    PararTodosSons();
    EXPECT_EQ(LogSince(from), (std::vector<std::string>{"effect " + PastaSons + "mudo.WAV 2",
                                                        "MMControl1 close", "MMControl2 stop"}));
    EXPECT_EQ(Now() - start, 50u);
    EXPECT_FALSE(audio_->Playing("MMControl1"));
    EXPECT_FALSE(audio_->Playing("MMControl2"));
}

TEST_F(SomTest, SavingTheSettingsClosesTheNarration) {
    Narration("parabens.wav", 13000);
    AbreNarracao("parabens");
    TocaNarracao("normal");
    SalvaConfig();
    EXPECT_TRUE(fs::exists(dir_ / "config.ini"));
    EXPECT_EQ(Log().back(), "MMControl1 close");
    EXPECT_FALSE(audio_->Playing("MMControl1"));
}

struct VoiceForm : ui::Form {
    ui::MediaPlayer MMControl3{*this, "MMControl3"};
    std::vector<std::uint32_t> done;
    VoiceForm() {
        MMControl3.Done = [this](int code) {
            EXPECT_EQ(code, 1);
            done.push_back(ui::GetTickCount());
        };
    }
};

TEST_F(SomTest, CompletionComesOnceForEachPlayThatEndsByItself) {
    Narration("valores-01.wav", 900);
    auto form = std::make_shared<VoiceForm>();
    form->Load();
    ui::MediaPlayer& voz = form->MMControl3;
    voz.FileName = PastaAudio + "valores-01.wav";
    for (const char* command : {"close", "open", "stop", "prev", "play"}) {
        voz.Command(command);
    }
    const std::uint32_t start = Now();
    (void)Espera(3000);
    // The wait woke at the end of the file, not at the end of the wait.
    EXPECT_EQ(form->done, (std::vector<std::uint32_t>{start + 900}));

    // At its end the file stays silent until it is rewound.
    voz.Command("play");
    (void)Espera(2000);
    EXPECT_EQ(form->done.size(), 1u);

    // A stop keeps the position and reports nothing; play goes on from there.
    voz.Command("prev");
    voz.Command("play");
    (void)Espera(300);
    voz.Command("stop");
    (void)Espera(2000);
    EXPECT_EQ(form->done.size(), 1u);
    const std::uint32_t resumed = Now();
    voz.Command("play");
    (void)Espera(2000);
    EXPECT_EQ(form->done.back(), resumed + 600);

    // A play that ends after its form has closed reaches nobody.
    voz.Command("prev");
    voz.Command("play");
    form->Unload();
    (void)Espera(2000);
    EXPECT_EQ(form->done.size(), 2u);
}

TEST_F(SomTest, MissingFileLeavesThePlayerClosed) {
    auto form = std::make_shared<VoiceForm>();
    form->Load();
    ui::MediaPlayer& voz = form->MMControl3;
    voz.FileName = PastaAudio + "valores-16.wav";
    voz.Command("open");
    voz.Command("play");
    (void)Espera(1000);
    EXPECT_FALSE(audio_->Playing("MMControl3"));
    EXPECT_TRUE(form->done.empty());
}

} // namespace
