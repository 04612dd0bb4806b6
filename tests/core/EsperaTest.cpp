#include "core/Espera.h"
#include "core/Globais.h"
#include "core/TelaBase.h"
#include "sound/Som.h"
#include "sound/SoundFiles.h"
#include "support/Headless.h"

#include <algorithm>
#include <map>
#include <set>

using testing_support::HeadlessTest;

namespace {

class Tela : public TelaBase {
  public:
    ui::Image botao{Picture_Center};
    ui::Timer relogio{*this, 100};
    Tela() { botao.Move(10, 10, 40, 40); }
};

class Modal : public ui::Form {
  public:
    ui::Timer fim{*this, 300};
    Modal() {
        fim.Tick = [this] { Unload(); };
    }
    void Form_Load() override { fim.Enabled(true); }
};

class Waits : public HeadlessTest {
  protected:
    // Started 300 ms before the tick counter wraps.
    Waits() : HeadlessTest(0xFFFFFFFFu - 299) { tela.Show(); }

    // The screen's timer closes it at its next tick.
    void FechaPeloRelogio() {
        tela->relogio.Tick = [this] { tela->Unload(); };
        tela->relogio.Enabled(true);
    }

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

std::map<int, int> Frequencias(int menor, int maior, int vezes) {
    std::map<int, int> f;
    for (int i = 0; i < vezes; ++i) {
        ++f[Aleatorio(menor, maior)];
    }
    return f;
}

} // namespace

TEST_F(Waits, ZeroHandlesNothingAndOneHandlesEvents) {
    KeyDown('A');
    (void)Espera(0);
    EXPECT_TRUE(backend().InputPending());
    (void)Espera(1);
    EXPECT_FALSE(backend().InputPending());
}

// The wait crosses the counter's wrap, lasts its time, handles the ticks that fall in it,
// and sleeps between them instead of spinning.
TEST_F(Waits, WaitAcrossTheWrapLastsItsTimeAndSleeps) {
    int ticks = 0;
    tela->relogio.Tick = [&] { ++ticks; };
    tela->relogio.Enabled(true);
    const std::uint32_t inicio = ui::GetTickCount();
    const int waits = backend().Waits();
    (void)Espera(1000);
    const std::uint32_t passado = ui::GetTickCount() - inicio;
    EXPECT_GE(passado, 1000u);
    EXPECT_LT(passado, 1100u);
    EXPECT_EQ(ticks, 10);
    EXPECT_LE(backend().Waits() - waits, 25);
}

TEST_F(Waits, BlinkEndsAsItBeganAndEnabled) {
    int clicks = 0;
    tela->botao.Click = [&] { ++clicks; };
    for (const bool visivel : {true, false}) {
        tela->botao.Visible(visivel);
        tela->botao.Enabled(false);
        std::vector<bool> passos;
        tela->relogio.Tick = [&] { passos.push_back(tela->botao.Visible()); };
        tela->relogio.Interval(40); // samples the middle of each step
        tela->relogio.Enabled(true);
        Click(20, 20); // taken by nothing while the control blinks
        (void)PiscaControle(tela->botao, 5, 80);
        tela->relogio.Enabled(false);
        EXPECT_EQ(tela->botao.Visible(), visivel);
        EXPECT_TRUE(tela->botao.Enabled());
        ASSERT_GE(passos.size(), 8u);
        EXPECT_NE(passos[0], visivel);
        EXPECT_EQ(passos[2], visivel);
        EXPECT_NE(passos[8], visivel);
    }
    EXPECT_EQ(clicks, 0);
}

TEST(Aleatorio, EndsComeUpHalfAsOftenAsTheValuesBetween) {
    constexpr int N = 60000;
    const auto f14 = Frequencias(1, 4, N);
    ASSERT_EQ(f14.size(), 4u);
    EXPECT_NEAR(f14.at(1), N / 6, N / 60);
    EXPECT_NEAR(f14.at(2), N / 3, N / 60);
    EXPECT_NEAR(f14.at(3), N / 3, N / 60);
    EXPECT_NEAR(f14.at(4), N / 6, N / 60);

    const auto f015 = Frequencias(0, 15, N);
    EXPECT_EQ(f015.begin()->first, 0);
    EXPECT_EQ(f015.rbegin()->first, 15);
    EXPECT_NEAR(2 * f015.at(0), f015.at(7), N / 60);
    EXPECT_NEAR(2 * f015.at(15), f015.at(7), N / 60);

    const auto f10 = Frequencias(1, 0, N);
    ASSERT_EQ(f10.size(), 2u);
    EXPECT_NEAR(f10.at(0), N / 2, N / 60);
    EXPECT_EQ(Aleatorio(3, 3), 3);
}

TEST_F(Waits, EmbaralhaDrawsDistinctValuesWithTheEventsHandled) {
    KeyDown('A');
    (void)Embaralha(1, 1, 1);
    EXPECT_FALSE(backend().InputPending());
    EXPECT_EQ(Sorteados, (std::vector<std::int16_t>{1, 0}));
    (void)Embaralha(0, 1, 0);
    EXPECT_EQ(Sorteados, (std::vector<std::int16_t>{0}));
    std::set<std::vector<std::int16_t>> ordens;
    for (int i = 0; i < 200; ++i) {
        (void)Embaralha(4, 1, 4);
        ASSERT_EQ(Sorteados.size(), 5u);
        EXPECT_EQ(Sorteados[4], 0);
        std::vector<std::int16_t> ordem(Sorteados.begin(), Sorteados.begin() + 4);
        ordens.insert(ordem);
        std::sort(ordem.begin(), ordem.end());
        EXPECT_EQ(ordem, (std::vector<std::int16_t>{1, 2, 3, 4}));
    }
    EXPECT_GT(ordens.size(), 12u); // many of the 24 orders come up
    EXPECT_TRUE(NumeroInedito(1, 0));
    EXPECT_FALSE(NumeroInedito(Sorteados[2], 3));
    EXPECT_EQ(backend().Pointer(), ui::vbCustom);
}

// The shuffle asks the window system for events far less often than it draws, but an event
// that waits when it begins is handled during it.
TEST_F(Waits, ShuffleOfTwoThousandRowsHandlesTheEventsThatWait) {
    (void)Embaralha(4, 1, 4);
    PressKey('A');
    (void)Embaralha(2000, 1, 2000);
    EXPECT_FALSE(backend().InputPending());
    std::vector<std::int16_t> ordem(Sorteados.begin(), Sorteados.end() - 1);
    std::sort(ordem.begin(), ordem.end());
    for (int i = 0; i < 2000; ++i) {
        ASSERT_EQ(ordem[static_cast<std::size_t>(i)], i + 1);
    }
}

// Race points: a handler that waits learns afterwards whether its screen is still loaded and
// its game still the same, whatever ran inside the wait.

TEST_F(Waits, TimerClosingTheScreenDuringABlinkStopsTheHandler) {
    const std::weak_ptr<ui::Form> vivo = tela->weak_from_this();
    FechaPeloRelogio();
    ClickRunning([this] { return PiscaControle(tela->botao, 7, 80); });
    ASSERT_TRUE(RunFor(1000));
    EXPECT_FALSE(depois);
    EXPECT_TRUE(vivo.expired()); // gone once the handler returned
}

// A game that ends while a button blinks: the blink finishes on the open screen and leaves
// the button as it found it, but the handler stops.
TEST_F(Waits, GameEndingDuringABlinkStopsTheHandlerButRestoresTheButton) {
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
TEST_F(Waits, TimerClosingTheScreenBeforeAWaitedEffectStopsTheHandler) {
    SomLigado = VERDADEIRO;
    PastaSons = Folder() + "sons/";
    testfiles::Save(PastaSons + "boasorte.WAV", testfiles::Wav(700));
    FechaPeloRelogio();
    backend().Advance(150);
    const std::uint32_t antes = backend().Ticks();
    ClickRunning([] { return TocaSom("boasorte", 2); });
    ASSERT_TRUE(RunFor(0));
    EXPECT_FALSE(depois);
    EXPECT_FALSE(tela.Loaded());
    EXPECT_EQ(backend().Ticks() - antes, 0u); // a closed screen's effect is not played
}

TEST_F(Waits, TimerClosingTheScreenDuringAModalShowStopsTheHandler) {
    ui::FormRef<Modal> modal;
    FechaPeloRelogio();
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
TEST_F(Waits, ProgramEndedInsideANestedWaitUnwindsEveryHandler) {
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
