// Draws the default content pack's pictures into the program folder and writes the pictures
// that are part of the screens' own definitions as a C++ source file.
//
//   quorvane_picturegen <program folder> <embedded source file>
#include "Screens.h"

#include <exception>
#include <iostream>

namespace {

void DrawEverything(picturegen::PictureSet& set) {
    using namespace picturegen;
    for (auto draw : {DrawMenuScreen, DrawNameScreen, DrawScoreScreen, DrawExitScreen, DrawCredits,
                      DrawRulesScreen, DrawRulesPages, DrawStatusScreen, DrawIntroScreen,
                      DrawPrizeScreen, DrawCongratulationsScreen, DrawGameScreen, DrawCardsHelp,
                      DrawHelpPanels, DrawProgramIcons}) {
        draw(set);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: " << argv[0] << " <program folder> <embedded source file>\n";
        return 2;
    }
    try {
        picturegen::FontBook fonts;
        picturegen::PictureSet set(fonts);
        DrawEverything(set);
        set.CheckAgainstManifest();
        set.WriteFolders(argv[1]);
        set.WriteEmbeddedSource(argv[2]);
    } catch (const std::exception& e) {
        std::cerr << "quorvane_picturegen: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
