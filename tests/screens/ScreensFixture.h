// The program started on the generated content, with helpers that act on a screen's stage.
#pragma once

#include "core/Inicio.h"
#include "core/TelaBase.h"
#include "platform/headless/HeadlessAudio.h"
#include "screens/frmIntro.h"
#include "screens/frmMenu.h"
#include "support/Headless.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace testing_support {

class Screens : public testing_support::HeadlessTest {
  protected:
    Screens() {
        // The generated content of the build is the content root; settings stay in the
        // temporary program folder.
        WriteFile("cd.ini", std::string("\"") + QV_GAME_DIR + "\"\r\n");
    }

    // Start-up up to the intro.
    void Start() { ASSERT_TRUE(Step(Main)); }

    // Start-up, then straight to the menu as the intro's end would.
    void StartAtMenu() {
        Start();
        ASSERT_TRUE(Step([] { frmIntro->Timer_sair_Timer(); }));
        ASSERT_TRUE(frmMenu.Loaded());
    }

    // Samples a control's visibility every `ms` on the given form, from inside any wait.
    struct Sampler {
        std::shared_ptr<ui::Form> keep; // the form may close while the test still looks
        ui::Timer timer;
        std::vector<bool> seen;
        Sampler(ui::Form& form, const ui::Control& ctl, int ms)
            : keep(form.shared_from_this()), timer(form, ms) {
            timer.Tick = [this, &ctl] { seen.push_back(ctl.Visible()); };
            timer.Enabled(true);
        }
    };

    // Runs `action` once, `ms` after now, from inside whatever handler is waiting then.
    struct Later {
        std::shared_ptr<ui::Form> keep;
        ui::Timer timer;
        Later(ui::Form& form, int ms, std::function<void()> action)
            : keep(form.shared_from_this()), timer(form, ms) {
            timer.Tick = [this, action = std::move(action)] {
                timer.Enabled(false);
                action();
            };
            timer.Enabled(true);
        }
    };

    bool Mentions(const std::string& text) {
        const auto& log = audio().Log();
        return std::any_of(log.begin(), log.end(), [&](const std::string& line) {
            return line.find(text) != std::string::npos;
        });
    }

    // Stage pixel (x, y) in window pixels, for the current layout.
    void MoveOnStage(ui::Form& form, float x, float y, int buttons = 0) {
        const auto [sx, sy] = StageInWindow(form);
        MoveTo(sx + x, sy + y, buttons);
    }
    void ClickOnStage(ui::Form& form, float x, float y) {
        const auto [sx, sy] = StageInWindow(form);
        Click(sx + x, sy + y);
    }
    static std::pair<float, float> StageInWindow(ui::Form& form) {
        float ox = 0, oy = 0;
        static_cast<TelaBase&>(form).Picture_Center.OriginInForm(ox, oy);
        return {ox + static_cast<float>(form.Left()) / 15,
                oy + static_cast<float>(form.Top()) / 15};
    }
};

} // namespace testing_support
