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
    // How late the program may end, or repaint, after it was asked to.
    constexpr std::uint32_t END_CHECK_MS = 50;
    Application& app = App();
    if ((flags & SND_ASYNC) != 0) {
        app.audio().PlayEffect(path, flags);
        return;
    }
    // What the handler changed is on screen before the sound holds the screen still.
    app.Flush();
    app.audio().PlayEffect(path, flags);
    while (!app.audio().WaitEffect(END_CHECK_MS)) {
        // The screen stays still, but an uncovered window shows it again.
        app.backend().RepaintExposed();
        if (app.backend().QuitRequested()) {
            app.End(0);
        }
    }
}

} // namespace ui
