#include "core/Config.h"
#include "core/Globais.h"
#include "core/Pastas.h"
#include "game/frmStatus.h"
#include "program/Inicio.h"
#include "support/Headless.h"

using testing_support::HeadlessTest;

class Startup : public HeadlessTest {};

TEST_F(Startup, MissingMarkerShowsMessageAndEndsWithoutSaving) {
    EXPECT_FALSE(Step(Main));
    ASSERT_EQ(backend().Messages().size(), 1u);
    const auto& m = backend().Messages()[0];
    EXPECT_EQ(m.style, ui::vbInformation);
    EXPECT_EQ(m.title, "Quorvane");
    EXPECT_EQ(m.text, "O CD \"Quorvane\" não foi encontrado em:\r\r" + Maiusculas(Folder()) +
                          "\r\rPor favor coloque-o no drive e tente novamente.");
    EXPECT_EQ(ReadFile("config.ini"), "");
}

TEST_F(Startup, FirstRunWithoutSettingsUsesDefaultsAndSaveCreatesTheFile) {
    WriteFile("setup.lst", "");
    WriteFile("Package/Graficos/bgintro.bmp", testing_support::BmpBytes(640, 480));
    ASSERT_TRUE(Step(Main));
    EXPECT_TRUE(backend().Messages().empty());
    EXPECT_EQ(ModoTela, 2);
    // The intro's layout in full screen takes the screen's corner as the remembered position.
    EXPECT_EQ(JanelaEsquerda, 0);
    SalvaConfig();
    EXPECT_EQ(ReadFile("config.ini"),
              "2\r\n0\r\n0\r\n#TRUE#\r\n#TRUE#\r\n\"\"\r\n"
              "\"\"\r\n0\r\n\"\"\r\n0\r\n\"\"\r\n0\r\n\"\"\r\n0\r\n\"\"\r\n0\r\n");
}

TEST_F(Startup, MostraStatusIsModelessForANewGameAndModalOtherwise) {
    PastaPackage = Folder();
    WriteFile("bgstatus.bmp", testing_support::BmpBytes(640, 480));
    NovoJogo = VERDADEIRO;
    bool fechado = false;
    app().Post(frmStatus->Address(), [&] {
        fechado = true;
        // Closed before it opens the game screen, which needs content this test has not.
        NovoJogo = FALSO;
        frmStatus->Unload();
    });
    (void)MostraStatus();
    EXPECT_FALSE(fechado);
    EXPECT_TRUE(frmStatus.Loaded());
    EXPECT_EQ(app().TopForm(), frmStatus.Peek());
    ASSERT_TRUE(RunFor(10));
    EXPECT_FALSE(frmStatus.Loaded());

    NovoJogo = FALSO;
    fechado = false;
    app().Post(frmStatus->Address(), [&] {
        fechado = true;
        frmStatus->Unload();
    });
    (void)MostraStatus();
    EXPECT_TRUE(fechado);
    EXPECT_FALSE(frmStatus.Loaded());
}
