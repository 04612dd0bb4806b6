// Each group of screens draws its pictures into the set.
#pragma once

#include "PictureSet.h"

namespace picturegen {

void DrawMenuScreen(PictureSet& set);
void DrawNameScreen(PictureSet& set);
void DrawScoreScreen(PictureSet& set);
void DrawExitScreen(PictureSet& set);
void DrawRulesScreen(PictureSet& set);
void DrawRulesPages(PictureSet& set);
void DrawCredits(PictureSet& set);
void DrawStatusScreen(PictureSet& set);
void DrawIntroScreen(PictureSet& set);
void DrawPrizeScreen(PictureSet& set);
void DrawCongratulationsScreen(PictureSet& set);
void DrawGameScreen(PictureSet& set);
void DrawCardsHelp(PictureSet& set);
void DrawHelpPanels(PictureSet& set);
void DrawProgramIcons(PictureSet& set);

// The prize table of each step: what a wrong answer, a stop and a right answer leave.
struct StepValues {
    std::string_view wrong;
    std::string_view stop;
    std::string_view right;
};
StepValues ValuesOfStep(int step);
// An amount in digits written as the screens show money: "R$ 1.000".
std::string Money(std::string_view digits);

} // namespace picturegen
