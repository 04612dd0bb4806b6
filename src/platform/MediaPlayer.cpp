#include "platform/MediaPlayer.h"

#include "platform/Application.h"
#include "platform/Form.h"

namespace ui {

namespace {

constexpr int MCI_NOTIFY_SUCCESSFUL = 1;

} // namespace

MediaPlayer::MediaPlayer(Form& owner, const std::string& name) : owner_(owner) {
    Application& app = App();
    // Runs on the audio thread: it only copies the weak address.
    voice_ = app.audio().NewVoice(name, [&app, to = Address(), this] {
        app.Post(to, [this] {
            if (Done) {
                Done(MCI_NOTIFY_SUCCESSFUL);
            }
        });
    });
}

MediaPlayer::~MediaPlayer() = default;

void MediaPlayer::Command(const std::string& command) {
    if (command == "open") {
        voice_->Open(FileName);
    } else if (command == "play") {
        voice_->Play();
    } else if (command == "stop") {
        voice_->Stop();
    } else if (command == "close") {
        voice_->Close();
    } else if (command == "prev") {
        voice_->Rewind();
    }
}

} // namespace ui
