#include "core/Espera.h"
#include "platform/Error.h"
#include "platform/Form.h"
#include "platform/MediaPlayer.h"
#include "sound/SoundFiles.h"
#include "support/Headless.h"

#include <memory>

using testing_support::HeadlessTest;

namespace {

class Painel : public ui::Form {
  public:
    ui::Timer tmrA{*this, 100};
    ui::Timer tmrB{*this, 100};
    ui::Image botao{*this};
    ui::Label rotulo{*this};
    static inline bool fecharAoCarregar = false;

    Painel() { botao.Move(0, 0, 50, 50); }
    void Form_Load() override {
        if (fecharAoCarregar) {
            Unload();
        }
    }
};

class EventLoop : public HeadlessTest {
  protected:
    ui::FormRef<Painel> painel;
};

} // namespace

TEST_F(EventLoop, TimerPatterns) {
    painel.Show();
    int a = 0, b = 0;
    // One-shot: a tick that stops its own timer.
    painel->tmrA.Tick = [&] {
        ++a;
        painel->tmrA.Enabled(false);
    };
    painel->tmrA.Enabled(true);
    ASSERT_TRUE(RunFor(1000));
    EXPECT_EQ(a, 1);

    // A tick that stops another timer due at the same moment keeps it from ticking.
    a = 0;
    painel->tmrA.Tick = [&] {
        ++a;
        painel->tmrB.Enabled(false);
    };
    painel->tmrB.Tick = [&] { ++b; };
    painel->tmrA.Enabled(true);
    painel->tmrB.Enabled(true);
    ASSERT_TRUE(RunFor(1000));
    EXPECT_EQ(a, 10);
    EXPECT_EQ(b, 0);
}

// A tick that waits longer than its interval is not re-entered, and the wait still sleeps and
// ends (a timer left due inside it once spun the wait forever).
TEST_F(EventLoop, TickThatWaitsIsNotReentered) {
    painel.Show();
    int depth = 0, deepest = 0, ticks = 0;
    painel->tmrA.Tick = [&] {
        ++ticks;
        deepest = std::max(deepest, ++depth);
        if (ticks == 1) {
            (void)Espera(350);
        }
        --depth;
    };
    painel->tmrA.Enabled(true);
    const int waitsBefore = backend().Waits();
    ASSERT_TRUE(RunFor(1000));
    EXPECT_EQ(deepest, 1);
    EXPECT_GE(ticks, 5);
    EXPECT_LT(backend().Waits() - waitsBefore, 40);
}

TEST_F(EventLoop, UnloadStopsTheFormsTimersAndEmptiesItsReference) {
    painel.Show();
    int ticks = 0;
    painel->tmrA.Tick = [&] { ++ticks; };
    painel->tmrA.Enabled(true);
    painel->Unload();
    EXPECT_FALSE(painel.Loaded());
    ASSERT_TRUE(RunFor(1000));
    EXPECT_EQ(ticks, 0);
}

// The form is unloaded by its own timer while its click handler waits: the handler still
// runs to its end on a live object, sees the form unloaded, and the form goes afterwards.
TEST_F(EventLoop, FormUnloadedDuringItsOwnWaitIsDestroyedAfterTheHandler) {
    painel.Show();
    std::weak_ptr<ui::Form> vivo = painel->weak_from_this();
    bool carregadoAposEspera = true;
    painel->tmrA.Tick = [&] { painel->Unload(); };
    painel->tmrA.Enabled(true);
    Painel* p = painel.Peek();
    p->botao.Click = [&] {
        (void)Espera(500);
        carregadoAposEspera = painel.Loaded();
        p->rotulo.Caption("depois");
    };
    Click(10, 10);
    ASSERT_TRUE(RunFor(1000));
    EXPECT_FALSE(carregadoAposEspera);
    EXPECT_FALSE(painel.Loaded());
    EXPECT_EQ(painel.Peek(), nullptr);
    EXPECT_TRUE(vivo.expired());
}

TEST_F(EventLoop, FormUnloadedInItsLoadIsNotShown) {
    Painel::fecharAoCarregar = true;
    painel.Show();
    Painel::fecharAoCarregar = false;
    EXPECT_FALSE(painel.Loaded());
    EXPECT_EQ(app().TopForm(), nullptr);
}

TEST_F(EventLoop, UnhandledErrorEndsRunWithStatusOneAfterItsMessage) {
    painel.Show();
    painel->tmrA.Tick = [] { throw ui::RuntimeError(53, "Arquivo não encontrado"); };
    painel->tmrA.Enabled(true);
    EXPECT_EQ(app().Run(), 1);
    ASSERT_EQ(backend().Messages().size(), 1u);
    EXPECT_NE(backend().Messages()[0].text.find("53"), std::string::npos);
    EXPECT_NE(backend().Messages()[0].text.find("Arquivo não encontrado"), std::string::npos);
    EXPECT_EQ(backend().Messages()[0].title, "Quorvane");
}

namespace {

class Tocador : public ui::Form {
  public:
    ui::MediaPlayer MMControl1{*this, "MMControl1"};
};

} // namespace

// Posted work names its receiver: it runs as a handler of the receiver's form while that is
// loaded, and is dropped once the receiver (a form, a control or a player) has gone.
TEST_F(EventLoop, PostedWorkIsDroppedWhenItsReceiverHasGone) {
    painel.Show();
    ui::Form* rodando = nullptr;
    app().Post(painel->rotulo.Address(), [&] { rodando = app().RunningForm(); });
    ASSERT_TRUE(RunFor(0));
    EXPECT_EQ(rodando, painel.Peek());

    int feitos = 0;
    auto solto = std::make_unique<ui::Label>(*painel);
    app().Post(solto->Address(), [&] { ++feitos; });
    solto.reset();
    app().Post(painel->Address(), [&] { ++feitos; });
    painel->Unload();
    ASSERT_TRUE(RunFor(0));
    EXPECT_EQ(feitos, 0);
}

// The player's end is posted, then its form goes before the loop reaches the completion.
TEST_F(EventLoop, CompletionPostedForAPlayerWhoseFormHasGoneIsDropped) {
    testfiles::Save(Folder() + "fim.wav", testfiles::Wav(200));
    auto tocador = std::make_shared<Tocador>();
    tocador->Load();
    int fins = 0;
    tocador->MMControl1.Done = [&](int) { ++fins; };
    tocador->MMControl1.FileName = Folder() + "fim.wav";
    tocador->MMControl1.Command("open");
    tocador->MMControl1.Command("play");
    backend().Advance(300);
    app().audio().Update(backend().Ticks()); // the completion is queued now
    tocador->Unload();
    tocador.reset();
    ASSERT_TRUE(RunFor(100));
    EXPECT_EQ(fins, 0);
}

// A waited effect takes no click, but the program's end gets through within a fraction of a
// second, however long the effect.
TEST_F(EventLoop, OnlyTheProgramsEndGetsThroughAWaitedEffect) {
    painel.Show();
    int clicks = 0;
    painel->botao.Click = [&] { ++clicks; };
    const std::string longo = Folder() + "longo.wav";
    testfiles::Save(longo, testfiles::Wav(120000));
    const std::uint32_t inicio = backend().Ticks();
    ASSERT_TRUE(Step([&] { ui::PlaySoundFile(longo, ui::SND_NODEFAULT); }));
    EXPECT_EQ(backend().Ticks() - inicio, 120000u);

    Click(10, 10);
    backend().Push({ui::InputEvent::Kind::Quit});
    const std::uint32_t fim = backend().Ticks();
    EXPECT_FALSE(Step([&] { ui::PlaySoundFile(longo, ui::SND_NODEFAULT); }));
    EXPECT_LE(backend().Ticks() - fim, 500u);
    EXPECT_EQ(clicks, 0);
}
