#include "core/ModoTela.h"
#include "core/Globais.h"
#include "core/TelaBase.h"
#include "support/Headless.h"

using testing_support::HeadlessTest;

namespace {

class Tela : public TelaBase {};

// The headless screen is 1024 x 768 pixels: 15360 x 11520 twips.
constexpr int CENTRO_L = 192 * 15, CENTRO_T = 144 * 15;

class ModoTelaTest : public HeadlessTest {
  protected:
    ModoTelaTest() { InicializaGlobais(); }
    ui::FormRef<Tela> a, b;

    // Window mode at 100,100 with the stage dragging the window, as the screens do.
    void ShowDraggingAt100() {
        ModoTela = 1;
        JanelaEsquerda = 100 * 15;
        JanelaTopo = 100 * 15;
        a->Show();
        a->Picture_Center.MouseDown = [](int, int, float x, float y) {
            ArrastoX = x * static_cast<float>(TwipsX);
            ArrastoY = y * static_cast<float>(TwipsY);
        };
        a->Picture_Center.MouseMove = [this](int button, int, float x, float y) {
            if (button == 1) {
                ArrastaJanela(*a, x, y);
            }
        };
    }

    static void ExpectWindowAt(Tela& t, int left, int top) {
        EXPECT_EQ(t.WindowState(), ui::vbNormal);
        EXPECT_EQ(t.Left(), left);
        EXPECT_EQ(t.Top(), top);
        EXPECT_EQ(t.Width(), 9600);
        EXPECT_EQ(t.Height(), 7200);
        EXPECT_EQ(t.Picture_Center.Left(), 0);
        EXPECT_EQ(t.Picture_Center.Top(), 0);
        EXPECT_EQ(JanelaEsquerda, left);
        EXPECT_EQ(JanelaTopo, top);
    }
};

} // namespace

TEST_F(ModoTelaTest, FirstFullScreenStartRemembersTheCornerForWindowMode) {
    EntradaTravada = VERDADEIRO;
    PosicionaForm(*a);
    EXPECT_EQ(EntradaTravada, FALSO);
    EXPECT_EQ(a->WindowState(), ui::vbMaximized);
    EXPECT_EQ(a->Width(), 15360);
    EXPECT_EQ(a->Height(), 11520);
    EXPECT_EQ(a->Picture_Center.Left(), 192);
    EXPECT_EQ(a->Picture_Center.Top(), 144);
    EXPECT_EQ(JanelaEsquerda, 0);
    EXPECT_EQ(JanelaTopo, 0);
    // The corner button's switch keeps the remembered position; back again returns there.
    ModoTela = 1;
    AjustaTela(*a);
    ExpectWindowAt(*a, 0, 0);
    ModoTela = 2;
    AjustaTela(*a);
    ModoTela = 1;
    AjustaTela(*a);
    ExpectWindowAt(*a, 0, 0);
}

TEST_F(ModoTelaTest, WindowModeKeepsThePositionAcrossScreensAndFollowsADrag) {
    ModoTela = 1;
    JanelaEsquerda = 1500;
    JanelaTopo = -300;
    PosicionaForm(*a);
    ExpectWindowAt(*a, 1500, -300);
    // Grabbed at stage pixel (10, 20), released at (15, 28).
    ArrastoX = 10.0f * TwipsX;
    ArrastoY = 20.0f * TwipsY;
    ArrastaJanela(*a, 15, 28);
    EXPECT_EQ(JanelaEsquerda, 1500 + 5 * 15);
    EXPECT_EQ(JanelaTopo, -300 + 8 * 15);
    PosicionaForm(*b);
    ExpectWindowAt(*b, 1575, -180);
    // A maximised window does not follow the pointer.
    b->WindowState(ui::vbMaximized);
    ArrastaJanela(*b, 100, 100);
    EXPECT_EQ(JanelaEsquerda, 1575);
}

// Less than 8 pixels of the window on screen, the no-position value included: centred.
TEST_F(ModoTelaTest, WindowModeBringsAnOffScreenWindowBack) {
    ModoTela = 1;
    const int ultimaVisivel = -(640 - 8) * 15;
    const struct {
        int left, top;
        bool centred;
    } casos[] = {
        {-9600, -7200, true},        {ultimaVisivel, 0, false},  {ultimaVisivel - 15, 0, true},
        {15360 - 8 * 15, 0, false},  {15360 - 7 * 15, 0, true},  {0, 11520 - 7 * 15, true},
        {0, -(480 - 8) * 15, false}, {0, -(480 - 7) * 15, true},
    };
    for (const auto& c : casos) {
        JanelaEsquerda = c.left;
        JanelaTopo = c.top;
        PosicionaForm(*a);
        SCOPED_TRACE(std::to_string(c.left) + "," + std::to_string(c.top));
        ExpectWindowAt(*a, c.centred ? CENTRO_L : c.left, c.centred ? CENTRO_T : c.top);
    }
}

TEST_F(ModoTelaTest, ModeOutsideOneAndTwoLaysNothingOutUntilTheKeySwitchesIt) {
    ModoTela = 7;
    JanelaEsquerda = 3000;
    JanelaTopo = 1500;
    a->Picture_Center.Move(5, 6, 640, 480);
    PosicionaForm(*a);
    EXPECT_EQ(a->WindowState(), ui::vbNormal);
    EXPECT_EQ(a->Picture_Center.Left(), 5);
    EXPECT_EQ(a->Picture_Center.Top(), 6);
    EXPECT_EQ(a->Left(), 3000); // only the remembered position is applied
    // The key: any mode but 1 becomes window mode with the position forgotten (so centred).
    AlternaModoTela(*a);
    EXPECT_EQ(ModoTela, 1);
    ExpectWindowAt(*a, CENTRO_L, CENTRO_T);
    AlternaModoTela(*a);
    EXPECT_EQ(ModoTela, 2);
    EXPECT_EQ(a->WindowState(), ui::vbMaximized);
    EXPECT_EQ(JanelaEsquerda, CENTRO_L);
}

// A mode that lays nothing out still places the window where the player can reach it.
TEST_F(ModoTelaTest, ModeOutsideOneAndTwoWithAFarPositionStillShowsTheWindow) {
    ModoTela = 7;
    const struct {
        int left, top;
    } casos[] = {{2000 * 15, 2000 * 15}, {-30584, 30584}, {2000, 30584}, {15360, 0}};
    for (const auto& c : casos) {
        SCOPED_TRACE(std::to_string(c.left) + "," + std::to_string(c.top));
        JanelaEsquerda = c.left;
        JanelaTopo = c.top;
        PosicionaForm(*b);
        EXPECT_EQ(b->WindowState(), ui::vbNormal);
        EXPECT_GE(b->Left(), 0);
        EXPECT_GE(b->Top(), 0);
        EXPECT_LE(b->Left() + b->Width(), 15360);
        EXPECT_LE(b->Top() + b->Height(), 11520);
        EXPECT_EQ(JanelaEsquerda, b->Left());
    }
}

TEST_F(ModoTelaTest, FullScreenLoadKeepsTheRememberedPlaceForWindowMode) {
    ModoTela = 2;
    JanelaEsquerda = 4500;
    JanelaTopo = 3000;
    PosicionaForm(*a);
    // The maximised screen stays at the corner; the position waits for window mode.
    EXPECT_EQ(a->Left(), 0);
    EXPECT_EQ(a->Top(), 0);
    EXPECT_EQ(JanelaEsquerda, 4500);
    ModoTela = 1;
    AjustaTela(*a);
    ExpectWindowAt(*a, 4500, 3000);
}

TEST_F(ModoTelaTest, PositionAtTheEndOfTheRangeIsCentredWithoutOverflow) {
    ModoTela = 1;
    JanelaEsquerda = 2147483000;
    JanelaTopo = -2147483000;
    AjustaTela(*a);
    ExpectWindowAt(*a, CENTRO_L, CENTRO_T);
}

// Two displays side by side, the second taller and partly above the first: a window is kept on
// the display that holds most of it, and one that shows too little of itself there is centred
// on that display, or on the first when it lies on none.
TEST_F(ModoTelaTest, RescueMeasuresAgainstTheDisplayHoldingMostOfTheWindow) {
    backend().SetDisplays({{0, 0, 1024, 768}, {1024, -200, 1280, 1024}});
    ModoTela = 1;
    const int centroSegunda = (1024 + (1280 - 640) / 2) * 15;
    const int topoSegunda = (-200 + (1024 - 480) / 2) * 15;
    const struct {
        int left, top, expectedLeft, expectedTop;
    } casos[] = {
        {1500 * 15, 100 * 15, 1500 * 15, 100 * 15},       // wholly on the second
        {900 * 15, 0, 900 * 15, 0},                       // across both, mostly on the second
        {1500 * 15, -150 * 15, 1500 * 15, -150 * 15},     // above the first, on the second
        {(2304 - 7) * 15, 0, centroSegunda, topoSegunda}, // 7 pixels left on the second
        {5000 * 15, 0, CENTRO_L, CENTRO_T},               // on none
        {-9600, -7200, CENTRO_L, CENTRO_T},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::to_string(c.left) + "," + std::to_string(c.top));
        JanelaEsquerda = c.left;
        JanelaTopo = c.top;
        AjustaTela(*a);
        ExpectWindowAt(*a, c.expectedLeft, c.expectedTop);
    }
}

// Pointer moves come faster than the window follows: each is reported against where the
// window stood before them all. Placed against where the form stands, the window ends with
// the grab point under the last pointer place.
TEST_F(ModoTelaTest, QuickDragEndsUnderTheLastPointerPlace) {
    ShowDraggingAt100();
    using Kind = ui::InputEvent::Kind;
    backend().Push({Kind::MouseDown, 200, 200, 1, 0, 0, true, 300, 300});
    for (int i = 1; i <= 20; ++i) {
        const float step = 10.0f * static_cast<float>(i);
        backend().Push({Kind::MouseMove, 200 + step, 200, 1, 0, 0, true, 300 + step, 300});
    }
    RunFor(100);
    EXPECT_EQ(a->Left(), 300 * 15);
    EXPECT_EQ(a->Top(), 100 * 15);
    EXPECT_EQ(JanelaEsquerda, 300 * 15);
}

// The window system applies each move a few frames late, and the steps come one at a time:
// every event is placed against a window that has not yet followed, and after a handled step
// the next one may find the pointer where it was in the window. No step is lost.
TEST_F(ModoTelaTest, SteppedDragEndsUnderThePointerWhenTheWindowFollowsLate) {
    ShowDraggingAt100();
    ASSERT_TRUE(RunFor(50));
    using Kind = ui::InputEvent::Kind;
    backend().PointerOnScreen(300, 300, 3);
    backend().Push({Kind::MouseDown, 200, 200, 1});
    ASSERT_TRUE(RunFor(20));
    for (int i = 1; i <= 20; ++i) {
        backend().PointerOnScreen(300 + 10.0f * static_cast<float>(i), 300, 3);
        backend().Push({Kind::MouseMove, 0, 0, 1});
        ASSERT_TRUE(RunFor(20));
    }
    EXPECT_EQ(a->Left(), 300 * 15);
    EXPECT_EQ(a->Top(), 100 * 15);
    EXPECT_EQ(JanelaEsquerda, 300 * 15);
}
