#include "platform/MediaPlayer.h"

#include "platform/Application.h"
#include "platform/Form.h"

namespace ui {

namespace {

constexpr int MCI_NOTIFY_SUCCESSFUL = 1;

} // namespace

MediaPlayer::MediaPlayer(Form& owner, const std::string& name)
    : owner_(owner), self_(std::make_shared<MediaPlayer*>(this)) {
    Application& app = App();
    std::weak_ptr<MediaPlayer*> self = self_;
    voice_ = app.audio().NewVoice(name, [&app, self] {
        app.Post([self] {
            if (auto player = self.lock()) {
                (*player)->Finished();
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

void MediaPlayer::Finished() {
    if (owner_.IsLoaded() && Done) {
        HandlerScope scope(owner_);
        Done(MCI_NOTIFY_SUCCESSFUL);
    }
}

} // namespace ui
