// What the program needs of a sound system: one effect channel and any number of players
// (voices) that open a WAV or MIDI file and play, pause and rewind it. The real program uses
// SDL_mixer; the tests use a headless backend that measures files and runs on virtual time.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace ui {

// Effect flags, as the sound call takes them.
enum SoundFlags { SND_ASYNC = 1, SND_NODEFAULT = 2 };

// One player's output. Every operation on a voice without an open file does nothing.
class Voice {
  public:
    virtual ~Voice() = default;
    // Closes what was open, then opens `path`; a missing or unplayable file leaves it closed.
    virtual void Open(const std::string& path) = 0;
    virtual void Close() = 0;
    // Plays from the current position to the end.
    virtual void Play() = 0;
    // Halts; the position stays.
    virtual void Stop() = 0;
    // Halts and returns to the beginning.
    virtual void Rewind() = 0;
};

class Audio {
  public:
    virtual ~Audio() = default;

    // Starts one WAV file on the effect channel, cutting the effect that plays. A missing
    // file is silent. Without SND_ASYNC the caller then waits for it with WaitEffect.
    virtual void PlayEffect(const std::string& path, int flags) = 0;
    // Waits up to `maxMs` for the effect to end; true once none plays.
    virtual bool WaitEffect(std::uint32_t maxMs) = 0;

    // `ended` runs on any thread, once for every play that reaches the end by itself.
    virtual std::unique_ptr<Voice> NewVoice(const std::string& name,
                                            std::function<void()> ended) = 0;

    // For backends on virtual time: the next tick at which Update has work, and the work.
    virtual std::optional<std::uint32_t> NextDeadline() const { return std::nullopt; }
    virtual void Update(std::uint32_t /*now*/) {}
};

// No device: effects return at once and every voice stays closed.
class SilentAudio : public Audio {
  public:
    void PlayEffect(const std::string& path, int flags) override;
    bool WaitEffect(std::uint32_t) override { return true; }
    std::unique_ptr<Voice> NewVoice(const std::string& name, std::function<void()> ended) override;
};

// The platform's sound call. Without SND_ASYNC it returns when the effect has ended, handling
// no event meanwhile; but the program's end (a signal, the window closed) ends it at once.
void PlaySoundFile(const std::string& path, int flags);

} // namespace ui
