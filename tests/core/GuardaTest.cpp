// Race points: a handler that waits learns afterwards whether its screen is still loaded and
// its game still the same, whatever ran inside the wait.
#include "core/Espera.h"
#include "core/Globais.h"
#include "core/TelaBase.h"
#include "sound/Som.h"
#include "sound/SoundFiles.h"
#include "support/Headless.h"

#include <memory>

using testing_support::HeadlessTest;

namespace {

class Tela : public TelaBase {
  public:
    ui::Image botao{Picture_Center};
    // Closes the screen, or does what the test gives it.
    ui::Timer relogio{*this, 100};
    Tela() {
        botao.Move(10, 10, 40, 40);
        relogio.Tick = [this] { Unload(); };
    }
};

class Modal : public ui::Form {
  public:
    ui::Timer fim{*this, 300};
    Modal() {
        fim.Tick = [this] { Unload(); };
    }
    void Form_Load() override { fim.Enabled(true); }
};

class Guards : public HeadlessTest {
  protected:
    Guards() { tela.Show(); }

    // Clicks the button, whose handler runs `espera` and notes whether it went on after it.
    void ClickRunning(const std::function<Guarda()>& espera) {
        tela->botao.Click = [this, espera] {
            if (!espera()) {
                return;
            }
            depois = true;
            tela->botao.Visible(false);
        };
        Click(20, 20);
    }

    ui::FormRef<Tela> tela;
    bool depois = false;
};

} // namespace

TEST_F(Guards, TimerClosingTheScreenDuringABlinkStopsTheHandler) {
    const std::weak_ptr<ui::Form> vivo = tela->weak_from_this();
    tela->relogio.Enabled(true);
    ClickRunning([this] { return PiscaControle(tela->botao, 7, 80); });
    ASSERT_TRUE(RunFor(1000));
    EXPECT_FALSE(depois);
    EXPECT_TRUE(vivo.expired()); // gone once the handler returned
}

// A game that ends while a button blinks: the blink finishes on the open screen and leaves
// the button as it found it, but the handler stops.
TEST_F(Guards, GameEndingDuringABlinkStopsTheHandlerButRestoresTheButton) {
    tela->relogio.Tick = [this] {
        ++SerieJogo;
        tela->relogio.Enabled(false);
    };
    tela->relogio.Enabled(true);
    ClickRunning([this] { return PiscaControle(tela->botao, 5, 80); });
    ASSERT_TRUE(RunFor(1000));
    EXPECT_FALSE(depois);
    EXPECT_TRUE(tela->botao.Visible());
    EXPECT_TRUE(tela->botao.Enabled());
}

// A waited effect handles pending events before it plays: a timer due then closes the screen.
TEST_F(Guards, TimerClosingTheScreenBeforeAWaitedEffectStopsTheHandler) {
    SomLigado = VERDADEIRO;
    PastaSons = Folder() + "sons/";
    testfiles::Save(PastaSons + "boasorte.WAV", testfiles::Wav(700));
    tela->relogio.Enabled(true);
    backend().Advance(150);
    const std::uint32_t antes = backend().Ticks();
    ClickRunning([] { return TocaSom("boasorte", 2); });
    ASSERT_TRUE(RunFor(0));
    EXPECT_FALSE(depois);
    EXPECT_FALSE(tela.Loaded());
    EXPECT_EQ(backend().Ticks() - antes, 700u); // the effect still played to its end
}

TEST_F(Guards, TimerClosingTheScreenDuringAModalShowStopsTheHandler) {
    ui::FormRef<Modal> modal;
    tela->relogio.Enabled(true);
    ClickRunning([&modal] {
        Guarda guarda;
        modal.Show(ui::vbModal);
        return guarda;
    });
    ASSERT_TRUE(RunFor(1000));
    EXPECT_FALSE(depois);
    EXPECT_FALSE(tela.Loaded());
    EXPECT_FALSE(modal.Loaded());
}

// The program ends from a tick that runs inside a wait inside another handler's wait: every
// handler unwinds at once, none goes on, and the forms go with the application.
TEST_F(Guards, ProgramEndedInsideANestedWaitUnwindsEveryHandler) {
    bool tickDepois = false;
    ui::Timer fim(*tela, 250);
    fim.Tick = [&] { ui::App().End(3); };
    tela->relogio.Tick = [&] {
        tela->relogio.Enabled(false);
        (void)Espera(1000); // nothing follows it but the mark the test looks for
        tickDepois = true;
    };
    tela->relogio.Enabled(true);
    fim.Enabled(true);
    ClickRunning([] { return Espera(2000); });
    EXPECT_EQ(app().Run(), 3);
    EXPECT_FALSE(depois);
    EXPECT_FALSE(tickDepois);
    EXPECT_TRUE(app().Ended());
}
