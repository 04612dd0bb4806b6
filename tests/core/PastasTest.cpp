#include "core/Pastas.h"
#include "core/Globais.h"
#include "platform/Files.h"
#include "support/Headless.h"

using testing_support::HeadlessTest;

class Pastas : public HeadlessTest {
  protected:
    Pastas() { InicializaGlobais(); }
    // The program folder as the program holds it: upper-cased.
    std::string ProgramFolder() const { return Maiusculas(Folder()); }
};

TEST_F(Pastas, WithoutOrWithEmptyCdIniTheProgramFolderIsTheRoot) {
    WriteFile("setup.lst", "");
    for (const char* cdIni : {"", "\r\n\"/outro/\"\r\n"}) {
        if (*cdIni != '\0') {
            WriteFile("cd.ini", cdIni);
        }
        ASSERT_TRUE(Step(DefinePastas)) << cdIni;
        EXPECT_EQ(PastaPrograma, ProgramFolder());
        EXPECT_EQ(RaizCD, ProgramFolder());
        EXPECT_EQ(PastaAudio, ProgramFolder() + "audio/");
        EXPECT_EQ(PastaPackage, ProgramFolder() + "Package/Graficos/");
        EXPECT_EQ(PastaSons, ProgramFolder() + "sons/");
        EXPECT_EQ(PastaGraficos, ProgramFolder() + "graficos/");
        EXPECT_EQ(PastaGraficosHD, ProgramFolder() + "Graficos/");
    }
    WriteFile("cd.ini", "");
    EXPECT_EQ(LeCdIni(), "");
}

TEST_F(Pastas, CdIniNamesTheRootByItsFirstField) {
    WriteFile("Disco, Um/setup.lst", "");
    // Quoted with a comma and no trailing slash; what follows the field is ignored.
    WriteFile("cd.ini", "  \"" + Folder() + "Disco, Um\",\"x\"\r\nsegunda\r\n");
    ASSERT_TRUE(Step(DefinePastas));
    EXPECT_EQ(RaizCD, Folder() + "Disco, Um/"); // kept as written, not upper-cased
    EXPECT_EQ(PastaPackage, Folder() + "Disco, Um/Package/Graficos/");

    WriteFile("cd.ini", Folder() + "Disco/,resto\r\n");
    EXPECT_EQ(LeCdIni(), Folder() + "Disco/");
}

TEST_F(Pastas, MissingMarkerOrAFolderInItsPlaceEndsWithTheRootInTheMessage) {
    WriteFile("raiz/setup.lst/dentro", "");
    WriteFile("cd.ini", Folder() + "raiz\r\n");
    EXPECT_FALSE(Step(DefinePastas));
    ASSERT_EQ(backend().Messages().size(), 1u);
    EXPECT_NE(backend().Messages()[0].text.find("\r\r" + Folder() + "raiz/\r\r"),
              std::string::npos);
}

// The program folder is upper-cased and folder and file names differ in case from the disc.
TEST_F(Pastas, NamesResolveWithoutRegardToCase) {
    WriteFile("graficos/bot_sc.bmp", "x");
    WriteFile("sons/clique.wav", "x");
    WriteFile("setup.lst", "");
    ASSERT_TRUE(Step(DefinePastas));
    EXPECT_TRUE(ui::FileExists(PastaGraficosHD + "BOT_SC.bmp"));
    EXPECT_TRUE(ui::FileExists(PastaGraficos + "bot_sc.bmp"));
    EXPECT_TRUE(ui::FileExists(PastaSons + "clique.WAV"));
    EXPECT_FALSE(ui::FileExists(PastaSons + "outro.wav"));
    // A file about to be created lands in the folder as it exists on disk.
    EXPECT_EQ(ui::ResolvePath(PastaSons + "Novo.wav"), Folder() + "sons/Novo.wav");
}
