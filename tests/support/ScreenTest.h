// Scenario tests of the screens on the generated content: start-up, sampling what the player
// sees over time, and input placed on the stage.
#pragma once

#include "core/TelaBase.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "support/Headless.h"

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace testing_support {

class ScreenTest : public HeadlessTest {
  protected:
    ScreenTest();

    // Start-up up to the intro.
    void Start();
    // Start-up, then straight to the menu as the intro's end would.
    void StartAtMenu();

    // Samples a control's visibility every `ms` on the given form, from inside any wait.
    struct Sampler {
        std::shared_ptr<ui::Form> keep; // the form may close while the test still looks
        ui::Timer timer;
        std::vector<bool> seen;
        Sampler(ui::Form& form, const ui::Control& ctl, int ms);
    };

    // Runs `acao` `ms` from now on a timer of `form`, from inside whatever wait or modal
    // screen is running then, as a player acts.
    void Agenda(ui::Form& form, int ms, std::function<void()> acao);

    // Whether any line of the audio log contains `text`.
    bool Mentions(const std::string& text);

    // Stage pixel (x, y) in window pixels, for the current layout.
    void MoveOnStage(ui::Form& form, float x, float y, int buttons = 0);
    void ClickOnStage(ui::Form& form, float x, float y);
    static std::pair<float, float> StageInWindow(ui::Form& form);

  private:
    std::vector<std::unique_ptr<ui::Timer>> agenda_;
};

} // namespace testing_support
