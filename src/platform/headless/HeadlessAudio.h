// Sound for tests: nothing is heard; every effect and player command is logged, files are
// measured, and plays run on the headless backend's virtual clock.
#pragma once

#include "platform/Audio.h"

#include <memory>
#include <string>
#include <vector>

namespace ui {

class HeadlessBackend;

class HeadlessAudio : public Audio {
  public:
    explicit HeadlessAudio(HeadlessBackend& clock);
    ~HeadlessAudio() override;

    void PlayEffect(const std::string& path, int flags) override;
    // Moves the virtual clock on, up to the effect's end.
    bool WaitEffect(std::uint32_t maxMs) override;
    std::unique_ptr<Voice> NewVoice(const std::string& name, std::function<void()> ended) override;
    std::optional<std::uint32_t> NextDeadline() const override;
    // Ends the plays whose time has come.
    void Update(std::uint32_t now) override;

    // "effect <path> <flags>" and "<player> <command>[ <path>]", in order, paths as given.
    const std::vector<std::string>& Log() const;
    // Every effect played, with the virtual time it began.
    struct Effect {
        std::string path;
        std::uint32_t at;
    };
    const std::vector<Effect>& Effects() const;
    // The effect that sounds now (its path as given), or "".
    std::string EffectPlaying() const;
    // Whether the named player sounds now.
    bool Playing(const std::string& name) const;

    struct State;

  private:
    std::shared_ptr<State> state_;
};

} // namespace ui
