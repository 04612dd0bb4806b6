#include "platform/Audio.h"

#include "platform/Application.h"

namespace ui {

namespace {

class SilentVoice : public Voice {
  public:
    void Open(const std::string&) override {}
    void Close() override {}
    void Play() override {}
    void Stop() override {}
    void Rewind() override {}
};

} // namespace

void SilentAudio::PlayEffect(const std::string&, int) {}

std::unique_ptr<Voice> SilentAudio::NewVoice(const std::string&, std::function<void()>) {
    return std::make_unique<SilentVoice>();
}

void PlaySoundFile(const std::string& path, int flags) {
    if ((flags & SND_ASYNC) == 0) {
        App().Flush();
    }
    App().audio().PlayEffect(path, flags);
}

} // namespace ui
