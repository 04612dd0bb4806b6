// The media player control: opens one WAV or MIDI file and takes command words. Its
// completion event is posted to the player itself, so that it is dropped when the player or
// its form has gone.
#pragma once

#include "platform/Audio.h"
#include "platform/Receiver.h"

#include <functional>
#include <memory>
#include <string>

namespace ui {

class Form;

class MediaPlayer : public Receiver {
  public:
    // `name` tells the player apart in the headless log.
    MediaPlayer(Form& owner, const std::string& name);
    ~MediaPlayer() override;

    Form& HandlerForm() override { return owner_; }

    // Full path of the file that "open" opens.
    std::string FileName;

    // Carried out at once: "open" (FileName, closing what was open), "play" (from the
    // position to the end), "stop" (the position stays), "close", "prev" (back to the
    // beginning). Other words, and every command on a closed player, do nothing.
    void Command(const std::string& command);

    // Once for every play that reaches its end by itself, with notify code 1 (success).
    std::function<void(int NotifyCode)> Done;

  private:
    Form& owner_;
    std::unique_ptr<Voice> voice_;
};

} // namespace ui
