#include "core/Figuras.h"
#include "core/Globais.h"
#include "core/Pastas.h"
#include "core/TelaBase.h"
#include "platform/Error.h"
#include "support/Headless.h"

using testing_support::BmpBytes;
using testing_support::HeadlessTest;

namespace {

class Tela : public TelaBase {
  public:
    ui::Image img{Picture_Center};
};

class Figuras : public HeadlessTest {
  protected:
    Figuras() {
        WriteFile("setup.lst", "");
        InicializaGlobais();
        DefinePastas();
        ValoresPadrao();
    }
    void Figura(const std::string& nome, int w, int h) {
        WriteFile("package/graficos/" + nome + ".bmp", BmpBytes(w, h));
    }
    ui::FormRef<Tela> tela;
};

const std::string ERRO_500 = "Ocorreu um erro (código 53) ao tentar abrir o arquivo:\r\r500\r";

} // namespace

TEST_F(Figuras, RetryLoadsThePictureOnceItIsBack) {
    backend().AnswerNext(ui::vbRetry);
    backend().AnswerNext(ui::vbRetry, [&] { Figura("500", 30, 20); });
    ASSERT_TRUE(Step([&] { CarregaFigura(tela->img, "500"); }));
    ASSERT_EQ(backend().Messages().size(), 2u);
    const auto& m = backend().Messages()[0];
    EXPECT_EQ(m.text, ERRO_500);
    EXPECT_EQ(m.style, ui::vbAbortRetryIgnore | ui::vbExclamation);
    EXPECT_EQ(m.title, "Quorvane");
    EXPECT_EQ(tela->img.Width(), 30);
    EXPECT_EQ(Resposta, ui::vbRetry);
}

TEST_F(Figuras, IgnoreKeepsTheOldPictureAndAbortEndsWithoutSaving) {
    Figura("velha", 10, 10);
    CarregaFigura(tela->img, "velha");
    const ui::Picture velha = tela->img.Picture();
    WriteFile("package/graficos/ruim.bmp", "não é um bitmap");
    backend().AnswerNext(ui::vbIgnore);
    ASSERT_TRUE(Step([&] { CarregaFigura(tela->img, "ruim"); }));
    EXPECT_TRUE(tela->img.Picture() == velha);
    EXPECT_EQ(backend().Messages()[0].text, "Ocorreu um erro (código " +
                                                std::to_string(ui::ERR_INVALID_PICTURE) +
                                                ") ao tentar abrir o arquivo:\r\rruim\r");

    backend().AnswerNext(ui::vbAbort);
    EXPECT_FALSE(Step([&] { CarregaFigura(tela->img, "500"); }));
    EXPECT_EQ(Resposta, ui::vbAbort);
    EXPECT_FALSE(std::filesystem::exists(Folder() + "config.ini"));
}

TEST_F(Figuras, SourceHdLoadsFromTheProgramFolderAndAnyOtherSourceLoadsNothing) {
    WriteFile("graficos/01.bmp", BmpBytes(12, 8));
    CarregaFigura(tela->img, "01", "hd");
    EXPECT_EQ(tela->img.Width(), 12);
    CarregaFigura(tela->img, "nenhum", "HD");
    EXPECT_EQ(tela->img.Width(), 12);
    EXPECT_TRUE(backend().Messages().empty());
}

TEST_F(Figuras, BackgroundWithoutItsFileIsAnUnhandledError) {
    Figura("bgmenu", 640, 480);
    CarregaFundo(*tela, "BGMENU");
    EXPECT_EQ(tela->Picture_Center.Picture().Width(), 640);
    EXPECT_EQ(backend().Pointer(), ui::vbCustom);
    EXPECT_THROW(CarregaFundo(*tela, "bgnada"), ui::RuntimeError);
}

// All four edges count as inside; visibility is written only when it changes, so moving
// within a lit highlight draws nothing new.
TEST_F(Figuras, HoverLightsOnTheEdgesOnly) {
    ui::Image& h = tela->img;
    h.Move(100, 50, 40, 30);
    h.Visible(false);
    tela.Show();
    const struct {
        int x, y;
        bool lit;
    } pontos[] = {{140, 80, true}, {141, 80, false}, {100, 50, true},
                  {99, 50, false}, {120, 81, false}, {120, 49, false}};
    for (const auto& p : pontos) {
        AcendeSobMouse(p.x, p.y, h);
        EXPECT_EQ(h.Visible(), p.lit) << p.x << "," << p.y;
    }
    AcendeSobMouse(120, 60, h);
    ASSERT_TRUE(RunFor(50));
    const int frames = backend().Frames();
    AcendeSobMouse(121, 61, h);
    ASSERT_TRUE(RunFor(50));
    EXPECT_EQ(backend().Frames(), frames);
}
