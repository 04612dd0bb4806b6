#include "core/TelaBase.h"
#include "platform/MessageDialog.h"
#include "support/Headless.h"

#include <SDL.h>

#include <algorithm>

using testing_support::HeadlessTest;

namespace {

class Tela : public TelaBase {
  public:
    ui::Image a{Picture_Center};
    ui::Image b{Picture_Center};
    // Braces with a picture box as parent would pick the (deleted) copy constructor.
    ui::PictureBox caixa{static_cast<ui::Container&>(Picture_Center)};
    ui::Image dentro{caixa};
    Tela() {
        a.Move(10, 10, 40, 40);
        b.Move(100, 10, 40, 40);
        caixa.Move(200, 100, 100, 100);
        dentro.Move(10, 20, 30, 30);
    }
};

class Controls : public HeadlessTest {
  protected:
    Controls() { tela.Show(); }
    ui::FormRef<Tela> tela;

    void Press(float x, float y) { backend().Push({ui::InputEvent::Kind::MouseDown, x, y, 1}); }
    void Release(float x, float y) { backend().Push({ui::InputEvent::Kind::MouseUp, x, y, 1}); }
};

} // namespace

TEST_F(Controls, ClickNeedsPressAndReleaseOnTheSameControlWhichKeepsThePointer) {
    int clicksA = 0, clicksB = 0, upsB = 0;
    std::vector<std::pair<float, float>> movesA;
    tela->a.Click = [&] { ++clicksA; };
    tela->b.Click = [&] { ++clicksB; };
    tela->b.MouseUp = [&](int, int, float, float) { ++upsB; };
    tela->a.MouseMove = [&](int buttons, int, float x, float y) {
        EXPECT_EQ(buttons, 1);
        movesA.emplace_back(x, y);
    };
    // Pressed on a, dragged over b and released there: a keeps the pointer, nobody clicks.
    Press(20, 20);
    MoveTo(110, 15, 1);
    Release(110, 15);
    ASSERT_TRUE(RunFor(50));
    EXPECT_EQ(clicksA + clicksB + upsB, 0);
    ASSERT_EQ(movesA.size(), 1u);
    EXPECT_EQ(movesA[0], std::make_pair(100.0f, 5.0f)); // in a's pixels, outside it
    // Pressed on a, moved off and back, released on a: a click.
    Press(20, 20);
    MoveTo(300, 300, 1);
    Release(49, 49);
    ASSERT_TRUE(RunFor(50));
    EXPECT_EQ(clicksA, 1);
    // The press went to a screen that has closed since: its release clicks nothing here.
    Release(20, 20);
    ASSERT_TRUE(RunFor(50));
    EXPECT_EQ(clicksA, 1);
}

TEST_F(Controls, HiddenAndDisabledControlsTakeNoClicks) {
    int clicksB = 0, clicksStage = 0, clicksInside = 0;
    tela->b.Click = [&] { ++clicksB; };
    tela->Picture_Center.Click = [&] { ++clicksStage; };
    float insideX = -1, insideY = -1;
    tela->dentro.Click = [&] { ++clicksInside; };
    tela->dentro.MouseDown = [&](int, int, float x, float y) {
        insideX = x;
        insideY = y;
    };
    tela->b.Visible(false);
    Click(110, 20);
    ASSERT_TRUE(RunFor(50));
    tela->b.Visible(true);
    tela->b.Enabled(false);
    Click(110, 20);
    ASSERT_TRUE(RunFor(50));
    EXPECT_EQ(clicksB, 0);
    EXPECT_EQ(clicksStage, 2); // what no control takes goes to the stage
    // A control inside a picture box, with coordinates in its own pixels.
    Click(215, 125);
    ASSERT_TRUE(RunFor(50));
    EXPECT_EQ(clicksInside, 1);
    EXPECT_EQ(insideX, 5);
    EXPECT_EQ(insideY, 5);
}

// A control disabled by its own press (as a blink does) takes no click on release.
TEST_F(Controls, ControlDisabledByItsPressIsNotClicked) {
    int clicks = 0;
    tela->a.MouseDown = [&](int, int, float, float) { tela->a.Enabled(false); };
    tela->a.Click = [&] { ++clicks; };
    Click(20, 20);
    ASSERT_TRUE(RunFor(50));
    EXPECT_EQ(clicks, 0);
}

TEST_F(Controls, LabelWrapsWordsAndAutoSizes) {
    ui::Label rotulo(tela->Picture_Center);
    rotulo.FontSize(14);
    rotulo.Move(0, 0, 170, 20);
    const std::string texto = "QUAL É A CAPITAL DO ESTADO DE PERNAMBUCO";
    rotulo.Caption(texto);
    const auto linhas = rotulo.Lines();
    ASSERT_GT(linhas.size(), 1u);
    std::string junto;
    for (const auto& l : linhas) {
        EXPECT_LE(ui::TextWidth(l, rotulo.TextFont()), 170) << l;
        junto += (junto.empty() ? "" : " ") + l;
    }
    EXPECT_EQ(junto, texto);
    EXPECT_EQ(rotulo.Height(), 20); // a fixed box keeps its size

    // A word wider than the box breaks between characters.
    rotulo.Caption("PARALELEPIPEDO");
    rotulo.Width(40);
    for (const auto& l : rotulo.Lines()) {
        EXPECT_LE(ui::TextWidth(l, rotulo.TextFont()), 40) << l;
    }

    const int linha = ui::LineHeight(rotulo.TextFont());
    rotulo.WordWrap(true);
    rotulo.Width(170);
    rotulo.AutoSize(true);
    rotulo.Caption(texto);
    EXPECT_EQ(rotulo.Width(), 170);
    EXPECT_EQ(rotulo.Height(), linha * static_cast<int>(rotulo.Lines().size()));

    rotulo.WordWrap(false);
    rotulo.Caption("UM\rDOIS E TRES");
    EXPECT_EQ(rotulo.Lines(), (std::vector<std::string>{"UM", "DOIS E TRES"}));
    EXPECT_EQ(rotulo.Width(), ui::TextWidth("DOIS E TRES", rotulo.TextFont()));
    EXPECT_EQ(rotulo.Height(), 2 * linha);
}

TEST_F(Controls, LabelChangeEventOnlyOnANewCaption) {
    ui::Label rotulo(tela->Picture_Center);
    int mudancas = 0;
    rotulo.Change = [&] { ++mudancas; };
    rotulo.Caption("A");
    rotulo.Caption("A");
    rotulo.Caption("B");
    EXPECT_EQ(mudancas, 2);
}

TEST_F(Controls, OnlyWhatChangedIsRedrawnAndNothingWhenAValueIsSetAgain) {
    ui::Label rotulo(tela->Picture_Center);
    rotulo.Move(10, 300, 120, 20);
    rotulo.Caption("UM");
    rotulo.ForeColor(0xFFFF);
    ASSERT_TRUE(RunFor(50));
    const auto quadros = [this] { return backend().PresentedFrames().size(); };
    const auto visto = quadros();

    rotulo.Caption("UM");
    rotulo.ForeColor(0xFFFF);
    rotulo.FontSize(rotulo.FontSize());
    rotulo.Move(10, 300, 120, 20);
    rotulo.Visible(true);
    tela->a.Move(10, 10, 40, 40);
    tela->caixa.BackColor(tela->caixa.BackColor());
    tela->BackColor(tela->BackColor());
    tela->Move(tela->Left(), tela->Top());
    ASSERT_TRUE(RunFor(50));
    EXPECT_EQ(quadros(), visto);

    // What lies in a hidden box is not on screen.
    tela->caixa.Visible(false);
    ASSERT_TRUE(RunFor(50));
    const auto escondida = quadros();
    tela->dentro.Move(0, 0, 20, 20);
    ASSERT_TRUE(RunFor(50));
    EXPECT_EQ(quadros(), escondida);

    rotulo.Caption("DOIS");
    ASSERT_TRUE(RunFor(50));
    ASSERT_EQ(quadros(), escondida + 1);
    const ui::Damage& novo = backend().PresentedFrames().back().damage;
    EXPECT_FALSE(novo.whole);
    EXPECT_EQ(novo.areas, (std::vector<ui::ScreenArea>{{10, 300, 120, 20}}));

    // A move redraws the place left and the place taken, and only those.
    tela->a.Move(60, 60);
    ASSERT_TRUE(RunFor(50));
    EXPECT_EQ(backend().PresentedFrames().back().damage.areas,
              (std::vector<ui::ScreenArea>{{10, 10, 40, 40}, {60, 60, 40, 40}}));
}

// A label keeps its rendered text between frames; a new colour or caption must not draw the
// old one.
TEST_F(Controls, LabelDrawnAgainShowsItsNewColourAndCaption) {
    ui::Label rotulo(tela->Picture_Center);
    rotulo.Move(0, 0, 200, 30);
    rotulo.FontSize(14);
    const ui::SurfacePtr tela2(
        SDL_CreateRGBSurfaceWithFormat(0, 640, 480, 32, SDL_PIXELFORMAT_ARGB8888));
    // The pixels of the label's box in the colour, counted.
    const auto pintados = [&](std::uint32_t cor) {
        tela->Paint(tela2.get());
        const Uint32 procurada =
            SDL_MapRGB(tela2->format, cor & 0xFF, (cor >> 8) & 0xFF, (cor >> 16) & 0xFF);
        int n = 0;
        for (int y = 0; y < 30; ++y) {
            const auto* linha = reinterpret_cast<const Uint32*>(
                static_cast<const char*>(tela2->pixels) + y * tela2->pitch);
            n += static_cast<int>(std::count(linha, linha + 200, procurada));
        }
        return n;
    };
    rotulo.Caption("I");
    rotulo.ForeColor(0x0000FF);
    const int estreito = pintados(0x0000FF);
    EXPECT_GT(estreito, 0);
    rotulo.ForeColor(0x00FF00);
    EXPECT_EQ(pintados(0x0000FF), 0);
    EXPECT_EQ(pintados(0x00FF00), estreito);
    rotulo.Caption("MMMM");
    EXPECT_GT(pintados(0x00FF00), 3 * estreito);
}

// A label narrowed after it was drawn breaks its text anew: the second word goes to a line
// of its own instead of being cut off.
TEST_F(Controls, ANarrowedLabelBreaksItsLinesAnew) {
    ui::Label rotulo(tela->Picture_Center);
    rotulo.Move(0, 0, 300, 60);
    rotulo.FontSize(14);
    rotulo.ForeColor(0x0000FF);
    rotulo.Caption("MM MM");
    const ui::SurfacePtr tela2(
        SDL_CreateRGBSurfaceWithFormat(0, 640, 480, 32, SDL_PIXELFORMAT_ARGB8888));
    const auto linhas = [&] {
        SDL_FillRect(tela2.get(), nullptr, 0);
        tela->Paint(tela2.get());
        const Uint32 tinta = SDL_MapRGB(tela2->format, 0xFF, 0, 0);
        int comTinta = 0;
        for (int y = 0; y < 60; ++y) {
            const auto* linha = reinterpret_cast<const Uint32*>(
                static_cast<const char*>(tela2->pixels) + y * tela2->pitch);
            comTinta += std::count(linha, linha + 300, tinta) > 0 ? 1 : 0;
        }
        return comTinta;
    };
    const int umaLinha = linhas();
    ASSERT_GT(umaLinha, 0);
    rotulo.Width(40);
    EXPECT_GT(linhas(), umaLinha);
    EXPECT_EQ(rotulo.Lines().size(), 2u);
}

TEST_F(Controls, MessageBoxButtonsAndDefaultAnswers) {
    EXPECT_EQ(app().MsgBox("ok"), ui::vbOK);
    EXPECT_EQ(app().MsgBox("info", ui::vbInformation), ui::vbOK);
    EXPECT_EQ(app().MsgBox("erro", ui::vbAbortRetryIgnore | ui::vbExclamation), ui::vbAbort);
    EXPECT_EQ(backend().Messages()[0].title, "Quorvane");

    const ui::MessageDialog d("linha 1\r\rlinha 3", ui::vbAbortRetryIgnore | ui::vbExclamation,
                              "Quorvane", 640, 480);
    EXPECT_EQ(d.Lines(), (std::vector<std::string>{"linha 1", "", "linha 3"}));
    ASSERT_EQ(d.Buttons().size(), 3u);
    const std::vector<std::pair<std::string, int>> esperados = {
        {"Anular", ui::vbAbort}, {"Repetir", ui::vbRetry}, {"Ignorar", ui::vbIgnore}};
    for (std::size_t i = 0; i < 3; ++i) {
        const auto& botao = d.Buttons()[i];
        EXPECT_EQ(botao.caption, esperados[i].first);
        EXPECT_EQ(d.AnswerAt(botao.rect.x + botao.rect.w / 2, botao.rect.y + botao.rect.h / 2),
                  esperados[i].second);
        EXPECT_TRUE(SDL_HasIntersection(&botao.rect, &d.Frame()));
    }
    EXPECT_EQ(d.AnswerAt(d.Frame().x + 1, d.Frame().y + 1), 0);
    EXPECT_EQ(d.CancelAnswer(), 0); // Escape does not answer a three-button box
}

TEST_F(Controls, MessageBoxDuringAPressEndsThePress) {
    std::vector<int> buttonsSeen;
    tela->a.MouseDown = [&](int, int, float, float) { ui::App().MsgBox("Pausa"); };
    tela->a.MouseMove = [&](int buttons, int, float, float) { buttonsSeen.push_back(buttons); };
    Press(20, 20);
    // The release happened while the box was up; the next move has no button held.
    MoveTo(25, 25);
    ASSERT_TRUE(RunFor(50));
    EXPECT_EQ(buttonsSeen, std::vector<int>{0});
}

// The control that took the press goes before the release: the pointer's events go on to
// what lies under it, and nothing is clicked.
TEST_F(Controls, ControlRemovedWhileItHoldsTheCaptureLetsThePointerGo) {
    auto extra = std::make_unique<ui::Image>(tela->Picture_Center);
    extra->Move(400, 10, 40, 40);
    extra->MouseMove = [](int, int, float, float) { FAIL() << "moved over a removed control"; };
    int clicksA = 0, movesA = 0;
    tela->a.Click = [&] { ++clicksA; };
    tela->a.MouseMove = [&](int, int, float, float) { ++movesA; };
    Press(410, 20);
    ASSERT_TRUE(RunFor(10));
    extra.reset();
    MoveTo(20, 20, 1);
    Release(20, 20);
    ASSERT_TRUE(RunFor(10));
    EXPECT_EQ(movesA, 1);
    EXPECT_EQ(clicksA, 0);
    Click(20, 20);
    ASSERT_TRUE(RunFor(10));
    EXPECT_EQ(clicksA, 1);
}

namespace {

// The centre of the button that gives `answer`, as the box is laid out in the test window.
std::pair<float, float> ButtonCentre(const std::string& text, int style, int answer) {
    const ui::MessageDialog d(text, style, "Quorvane", 640, 480);
    for (const auto& b : d.Buttons()) {
        if (b.answer == answer) {
            return {static_cast<float>(b.rect.x + b.rect.w / 2),
                    static_cast<float>(b.rect.y + b.rect.h / 2)};
        }
    }
    return {-1, -1};
}

} // namespace

// While a box is open only it takes input: a click on the screen beneath, keys it does not
// answer to and a press released off its button do nothing; input after its answer goes to
// the screen.
TEST_F(Controls, MessageBoxTakesTheInputUntilItIsAnswered) {
    constexpr int STYLE = ui::vbAbortRetryIgnore | ui::vbExclamation;
    int clicksA = 0;
    tela->a.Click = [&] { ++clicksA; };
    const auto [rx, ry] = ButtonCentre("Falhou", STYLE, ui::vbRetry);
    const auto [ix, iy] = ButtonCentre("Falhou", STYLE, ui::vbIgnore);
    backend().AnswerNext(0, [&] {
        Click(20, 20);
        PressKey(27); // Escape does not answer a three-button box
        PressKey('X');
        Press(rx, ry);
        Release(ix, iy); // released off the pressed button
        Press(ix, iy);
        Release(ix, iy);
        Click(20, 20); // after the answer: the screen's
    });
    int answer = 0;
    ASSERT_TRUE(Step([&] { answer = app().MsgBox("Falhou", STYLE); }));
    EXPECT_EQ(answer, ui::vbIgnore);
    EXPECT_EQ(clicksA, 0);
    ASSERT_TRUE(RunFor(0));
    EXPECT_EQ(clicksA, 1);
}

// Beneath an open box the clock goes on: the screens' timers tick until it is answered.
TEST_F(Controls, TimersTickBeneathAnOpenBox) {
    int ticks = 0;
    ui::Timer relogio(*tela, 10);
    relogio.Tick = [&] { ++ticks; };
    relogio.Enabled(true);
    backend().AnswerNext(0);
    backend().PushAt(app().Ticks() + 100, {ui::InputEvent::Kind::KeyDown, 0, 0, 0, 0, 13});
    ASSERT_TRUE(Step([&] { app().MsgBox("Espera"); }));
    EXPECT_EQ(ticks, 10);
}

// A timer that ticks beneath a box and waits there outlives the box: once the box is answered,
// its wait hands the screen its input (and does not spin on input nobody reads).
TEST_F(Controls, AWaitBeneathAnAnsweredBoxTakesTheScreensInput) {
    int clicks = 0;
    int rounds = 0;
    tela->a.Click = [&] { ++clicks; };
    ui::Timer relogio(*tela, 50);
    relogio.Tick = [&] {
        relogio.Enabled(false);
        app().SpinUntil([&] { return clicks > 0 || ++rounds > 1000; });
    };
    relogio.Enabled(true);
    backend().AnswerNext(0);
    const std::uint32_t later = app().Ticks() + 100;
    backend().PushAt(later, {ui::InputEvent::Kind::KeyDown, 0, 0, 0, 0, 13});
    backend().PushAt(later, {ui::InputEvent::Kind::MouseMove, 20, 20, 0});
    backend().PushAt(later, {ui::InputEvent::Kind::MouseDown, 20, 20, 1});
    backend().PushAt(later, {ui::InputEvent::Kind::MouseUp, 20, 20, 1});
    ASSERT_TRUE(Step([&] { app().MsgBox("Espera"); }));
    EXPECT_EQ(clicks, 1);
}

// A quit while a box is open ends the program there: nothing waiting for the answer goes on,
// neither a caller that opens box after box nor a box opened beneath another.
TEST_F(Controls, MessageBoxGivesWayToAQuit) {
    const auto quitAtBox = [&](int box) {
        for (int i = 1; i < box; ++i) {
            backend().AnswerNext(ui::vbOK);
        }
        backend().AnswerNext(0, [&] { backend().Push({ui::InputEvent::Kind::Quit}); });
    };
    bool wentOn = false;
    for (const int style : {ui::vbAbortRetryIgnore, ui::vbOKOnly}) {
        quitAtBox(1);
        EXPECT_FALSE(Step([&] {
            app().MsgBox("Sair?", style);
            wentOn = true;
        }));
        EXPECT_FALSE(wentOn);
    }

    quitAtBox(3);
    const auto before = backend().Messages().size();
    EXPECT_FALSE(Step([&] {
        for (int i = 0; i < 100; ++i) {
            app().MsgBox("Uma de muitas");
        }
    }));
    EXPECT_EQ(backend().Messages().size() - before, 3u);

    // A timer beneath an open box opens a second one; the quit comes at the second.
    ui::Timer relogio(*tela, 10);
    relogio.Tick = [&] {
        relogio.Enabled(false);
        app().MsgBox("Por cima");
    };
    relogio.Enabled(true);
    backend().AnswerNext(0);
    // Were the quit only to answer the upper box, the Enter would answer the lower one.
    backend().AnswerNext(0, [&] {
        backend().Push({ui::InputEvent::Kind::Quit});
        backend().Push({ui::InputEvent::Kind::KeyDown, 0, 0, 0, 0, 13});
    });
    EXPECT_FALSE(Step([&] {
        app().MsgBox("Por baixo");
        wentOn = true;
    }));
    EXPECT_FALSE(wentOn);
}
