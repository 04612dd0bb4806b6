#include "support/ScreenTest.h"

#include "platform/headless/HeadlessAudio.h"
#include "program/Inicio.h"
#include "screens/frmIntro.h"
#include "screens/frmMenu.h"

#include <algorithm>
#include <filesystem>

namespace testing_support {

ScreenTest::ScreenTest() {
    // The generated content of the build is the content root; settings stay in the
    // temporary program folder.
    WriteFile("cd.ini", std::string("\"") + QV_GAME_DIR + "\"\r\n");
    // The game screen finds its high-detail pictures and questions in the program folder.
    std::filesystem::create_directory_symlink(std::string(QV_GAME_DIR) + "/Graficos",
                                              Folder() + "Graficos");
}

void ScreenTest::Start() {
    ASSERT_TRUE(Step(Main));
}

void ScreenTest::StartAtMenu() {
    Start();
    ASSERT_TRUE(Step([] { frmIntro->Timer_sair_Timer(); }));
    ASSERT_TRUE(frmMenu.Loaded());
}

bool ScreenTest::Mentions(const std::string& text) {
    const auto& log = audio().Log();
    return std::any_of(log.begin(), log.end(), [&](const std::string& line) {
        return line.find(text) != std::string::npos;
    });
}

void ScreenTest::MoveOnStage(ui::Form& form, float x, float y, int buttons) {
    const auto [sx, sy] = StageInWindow(form);
    MoveTo(sx + x, sy + y, buttons);
}

void ScreenTest::ClickOnStage(ui::Form& form, float x, float y) {
    const auto [sx, sy] = StageInWindow(form);
    Click(sx + x, sy + y);
}

std::pair<float, float> ScreenTest::StageInWindow(ui::Form& form) {
    float ox = 0, oy = 0;
    static_cast<TelaBase&>(form).Picture_Center.OriginInForm(ox, oy);
    return {ox + static_cast<float>(form.Left()) / ui::TWIPS_PER_PIXEL,
            oy + static_cast<float>(form.Top()) / ui::TWIPS_PER_PIXEL};
}

} // namespace testing_support
