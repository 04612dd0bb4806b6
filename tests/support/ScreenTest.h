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

    // Takes a sample every `ms` on the given form, from inside any wait.
    template <class T> struct Sampler {
        std::shared_ptr<ui::Form> keep; // the form may close while the test still looks
        ui::Timer timer;
        std::vector<T> seen;
        Sampler(ui::Form& form, int ms, std::function<T()> sample)
            : keep(form.shared_from_this()), timer(form, ms) {
            timer.Tick = [this, sample = std::move(sample)] { seen.push_back(sample()); };
            timer.Enabled(true);
        }
    };

    // Runs `action` once, `ms` from now, inside whatever handler is waiting then.
    struct Later {
        ui::Timer timer;
        Later(ui::Form& form, int ms, std::function<void()> action) : timer(form, ms) {
            timer.Tick = [this, action = std::move(action)] {
                timer.Enabled(false);
                action();
            };
            timer.Enabled(true);
        }
    };

    // Whether any line of the audio log contains `text`.
    bool Mentions(const std::string& text);

    // Stage pixel (x, y) in window pixels, for the current layout.
    void MoveOnStage(ui::Form& form, float x, float y, int buttons = 0);
    void ClickOnStage(ui::Form& form, float x, float y);
    static std::pair<float, float> StageInWindow(ui::Form& form);
};

} // namespace testing_support
