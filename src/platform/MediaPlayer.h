// The media player control: opens one WAV or MIDI file and takes command words. Its
// completion event reaches the form on the UI thread through the event loop.
#pragma once

#include "platform/Audio.h"

#include <functional>
#include <memory>
#include <string>

namespace ui {

class Form;

class MediaPlayer {
  public:
    // `name` tells the player apart in the headless log.
    MediaPlayer(Form& owner, const std::string& name);
    ~MediaPlayer();
    MediaPlayer(const MediaPlayer&) = delete;
    MediaPlayer& operator=(const MediaPlayer&) = delete;

    // Full path of the file that "open" opens.
    std::string FileName;

    // Carried out at once: "open" (FileName, closing what was open), "play" (from the
    // position to the end), "stop" (the position stays), "close", "prev" (back to the
    // beginning). Other words, and every command on a closed player, do nothing.
    void Command(const std::string& command);

    // Once for every play that reaches its end by itself, with notify code 1 (success).
    std::function<void(int NotifyCode)> Done;

  private:
    void Finished();

    Form& owner_;
    // Posted completion events find the player through this, or find it gone.
    std::shared_ptr<MediaPlayer*> self_;
    std::unique_ptr<Voice> voice_;
};

} // namespace ui
