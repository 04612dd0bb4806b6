#include "platform/sdl/SdlAudio.h"

#include "platform/SdlHandles.h"
#include "platform/SoundFile.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <future>
#include <map>
#include <mutex>
#include <stdexcept>
#include <strings.h>

namespace ui {

namespace {

// 512 frames at 44100 Hz: an effect starts within about 12 ms of the call.
constexpr int RATE = 44100;
constexpr int BUFFER_FRAMES = 512;
constexpr int EFFECT_CHANNEL = 0;
constexpr int FIRST_CHANNELS = 4;

// The audio subsystem and the opened mixer device, closed in reverse order.
class Device {
  public:
    Device() {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            throw std::runtime_error(SDL_GetError());
        }
        if (Mix_OpenAudio(RATE, AUDIO_S16SYS, 2, BUFFER_FRAMES) != 0) {
            const std::string error = Mix_GetError();
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            throw std::runtime_error(error);
        }
    }
    ~Device() {
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;
};

bool IsMidi(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos) {
        return false;
    }
    const std::string ext = path.substr(dot + 1);
    return strcasecmp(ext.c_str(), "mid") == 0 || strcasecmp(ext.c_str(), "midi") == 0;
}

// What the finished callbacks need of a player: whether a play is running, and whom to tell.
struct Ending {
    std::atomic<bool> playing = false;
    std::function<void()> ended;
};

// A playable WAV file, decoded into the device's format; nothing for anything else, as for a
// missing file.
ChunkPtr LoadEffect(const std::string& path) {
    const FileContent file = ReadSoundFile(path);
    if (!file || !WavDurationMs(file.Bytes())) {
        return nullptr;
    }
    SDL_RWops* rw = SDL_RWFromConstMem(file.bytes.data(), static_cast<int>(file.bytes.size()));
    return ChunkPtr(rw ? Mix_LoadWAV_RW(rw, 1) : nullptr);
}

// A player's file on its channel (WAV) or on the music stream (MIDI).
struct Slot {
    ChunkPtr chunk;
    // A WAV file is decoded away from the UI thread, which a long narration would hold up: a
    // screen shows before its narration is ready, and the narration starts once it is.
    std::future<ChunkPtr> decoding;
    bool playWhenDecoded = false;
    // The music is decoded while it plays, from these bytes; declared first, freed last.
    std::string musicBytes;
    MusicPtr music;
    std::shared_ptr<Ending> ending;
    bool paused = false;
    bool atStart = true;
};

class Mixer;

// The finished callbacks carry no user data; they reach the one open mixer through this.
std::mutex gate;
Mixer* active = nullptr;

class Mixer {
  public:
    Mixer() {
        Mix_AllocateChannels(FIRST_CHANNELS);
        Mix_SetSoundFonts(QV_SOUNDFONT_FILE);
        {
            std::lock_guard<std::mutex> lock(gate);
            active = this;
        }
        // Outside the gate: these take the audio lock, which a running callback holds.
        Mix_ChannelFinished(&Mixer::ChannelFinished);
        Mix_HookMusicFinished(&Mixer::MusicFinished);
    }
    ~Mixer() {
        std::lock_guard<std::mutex> lock(gate);
        active = nullptr;
    }
    Mixer(const Mixer&) = delete;
    Mixer& operator=(const Mixer&) = delete;

    void PlayEffect(const std::string& path);
    bool WaitEffect(std::uint32_t maxMs);

    int AddSlot(std::function<void()> ended);
    void RemoveSlot(int channel);
    void Open(int channel, const std::string& path);
    void Close(int channel);
    void Play(int channel);
    void Stop(int channel);
    void Rewind(int channel);
    // Starts the plays that waited for their file's decoding, if it has finished.
    void StartDecoded();
    bool Decoding() const;

  private:
    // Takes the decoded file once its decoding has finished.
    static void Collect(Slot& slot);
    static void ChannelFinished(int channel);
    static void MusicFinished();
    // Called with `gate` held, on the audio thread or inside a halt.
    void Finished(int channel);
    std::uint32_t LengthMs(const Mix_Chunk& chunk) const;

    Device device_; // first, so that it closes last
    std::condition_variable effectEnded_;
    bool effectPlaying_ = false; // guarded by gate
    // When waiting for the last effect started ends: a second after its end, so that a
    // stalled device cannot hang the program.
    std::chrono::steady_clock::time_point effectGiveUp_;
    std::map<int, Slot> slots_;                      // UI thread only
    std::map<int, std::shared_ptr<Ending>> endings_; // guarded by gate
    std::atomic<int> musicChannel_ = -1;
    ChunkPtr effect_;
};

void Mixer::ChannelFinished(int channel) {
    std::lock_guard<std::mutex> lock(gate);
    if (active != nullptr) {
        active->Finished(channel);
    }
}

void Mixer::MusicFinished() {
    std::lock_guard<std::mutex> lock(gate);
    if (active != nullptr) {
        active->Finished(active->musicChannel_);
    }
}

void Mixer::Finished(int channel) {
    if (channel == EFFECT_CHANNEL) {
        effectPlaying_ = false;
        effectEnded_.notify_all();
        return;
    }
    const auto it = endings_.find(channel);
    if (it != endings_.end() && it->second->playing.exchange(false) && it->second->ended) {
        it->second->ended();
    }
}

std::uint32_t Mixer::LengthMs(const Mix_Chunk& chunk) const {
    int frequency = 0, channels = 0;
    Uint16 format = 0;
    Mix_QuerySpec(&frequency, &format, &channels);
    const std::uint64_t bytesPerSecond =
        static_cast<std::uint64_t>(frequency) * channels * (SDL_AUDIO_BITSIZE(format) / 8);
    return bytesPerSecond == 0 ? 0
                               : static_cast<std::uint32_t>(chunk.alen * 1000ull / bytesPerSecond);
}

void Mixer::PlayEffect(const std::string& path) {
    // Nothing to wait for unless this effect starts: a missing one cuts no other.
    effectGiveUp_ = std::chrono::steady_clock::now();
    ChunkPtr chunk = LoadEffect(path);
    if (!chunk) {
        return;
    }
    Mix_HaltChannel(EFFECT_CHANNEL);
    effect_ = std::move(chunk);
    const std::uint32_t length = LengthMs(*effect_);
    {
        std::lock_guard<std::mutex> lock(gate);
        effectPlaying_ = true;
    }
    effectGiveUp_ = std::chrono::steady_clock::now() + std::chrono::milliseconds(length + 1000);
    if (Mix_PlayChannel(EFFECT_CHANNEL, effect_.get(), 0) < 0) {
        std::lock_guard<std::mutex> lock(gate);
        effectPlaying_ = false;
    }
}

bool Mixer::WaitEffect(std::uint32_t maxMs) {
    const auto until = std::min(effectGiveUp_, std::chrono::steady_clock::now() +
                                                   std::chrono::milliseconds(maxMs));
    std::unique_lock<std::mutex> lock(gate);
    return effectEnded_.wait_until(lock, until, [this] { return !effectPlaying_; }) ||
           std::chrono::steady_clock::now() >= effectGiveUp_;
}

int Mixer::AddSlot(std::function<void()> ended) {
    int channel = EFFECT_CHANNEL + 1;
    while (slots_.contains(channel)) {
        ++channel;
    }
    if (channel >= Mix_AllocateChannels(-1)) {
        Mix_AllocateChannels(channel + 1);
    }
    auto ending = std::make_shared<Ending>();
    ending->ended = std::move(ended);
    slots_[channel].ending = ending;
    std::lock_guard<std::mutex> lock(gate);
    endings_[channel] = std::move(ending);
    return channel;
}

void Mixer::RemoveSlot(int channel) {
    Close(channel);
    {
        std::lock_guard<std::mutex> lock(gate);
        endings_.erase(channel);
    }
    slots_.erase(channel);
}

void Mixer::Open(int channel, const std::string& path) {
    Close(channel);
    Slot& slot = slots_.at(channel);
    if (!IsMidi(path)) {
        slot.decoding = std::async(std::launch::async, [path] {
            ChunkPtr chunk;
            try {
                chunk = LoadEffect(path);
            } catch (const std::exception&) {
                // Out of memory: the narration stays silent, as an unreadable file does.
            }
            // SDL frees what it keeps per thread (its error text) only for its own threads.
            SDL_TLSCleanup();
            return chunk;
        });
        return;
    }
    FileContent file = ReadSoundFile(path);
    if (!file || !MidiDurationMs(file.Bytes())) {
        return;
    }
    slot.musicBytes = std::move(file.bytes);
    SDL_RWops* rw =
        SDL_RWFromConstMem(slot.musicBytes.data(), static_cast<int>(slot.musicBytes.size()));
    slot.music.reset(rw ? Mix_LoadMUSType_RW(rw, MUS_MID, 1) : nullptr);
}

void Mixer::Close(int channel) {
    Rewind(channel);
    Slot& slot = slots_.at(channel);
    // Waits for a decoding still under way.
    slot.decoding = {};
    slot.chunk.reset();
    slot.music.reset();
    slot.musicBytes.clear();
}

void Mixer::Collect(Slot& slot) {
    if (slot.decoding.valid() &&
        slot.decoding.wait_for(std::chrono::seconds(0)) == std::future_status::ready) {
        slot.chunk = slot.decoding.get();
    }
}

void Mixer::StartDecoded() {
    for (auto& [channel, slot] : slots_) {
        Collect(slot);
        if (slot.playWhenDecoded && !slot.decoding.valid()) {
            slot.playWhenDecoded = false;
            slot.ending->playing = false;
            Play(channel);
        }
    }
}

bool Mixer::Decoding() const {
    return std::any_of(slots_.begin(), slots_.end(),
                       [](const auto& s) { return s.second.playWhenDecoded; });
}

void Mixer::Play(int channel) {
    Slot& slot = slots_.at(channel);
    Collect(slot);
    if (slot.decoding.valid()) {
        slot.playWhenDecoded = true;
        slot.ending->playing = true;
        return;
    }
    if ((!slot.chunk && !slot.music) || (!slot.paused && !slot.atStart)) {
        return;
    }
    slot.ending->playing = true;
    if (slot.paused) {
        slot.music ? Mix_ResumeMusic() : Mix_Resume(channel);
    } else if (slot.music) {
        // One music stream: the player that plays MIDI last owns it.
        musicChannel_ = channel;
        Mix_PlayMusic(slot.music.get(), 0);
    } else {
        Mix_PlayChannel(channel, slot.chunk.get(), 0);
    }
    slot.paused = false;
    slot.atStart = false;
}

void Mixer::Stop(int channel) {
    Slot& slot = slots_.at(channel);
    if (!slot.ending->playing.exchange(false)) {
        return;
    }
    // A play still waiting for its file has not begun: it stays at the start.
    if (slot.playWhenDecoded) {
        slot.playWhenDecoded = false;
        return;
    }
    slot.music ? Mix_PauseMusic() : Mix_Pause(channel);
    slot.paused = true;
}

void Mixer::Rewind(int channel) {
    Slot& slot = slots_.at(channel);
    slot.ending->playing = false;
    slot.playWhenDecoded = false;
    if (slot.music && musicChannel_ == channel) {
        Mix_HaltMusic();
    } else if (slot.chunk) {
        Mix_HaltChannel(channel);
    }
    slot.paused = false;
    slot.atStart = true;
}

class SdlVoice : public Voice {
  public:
    SdlVoice(std::weak_ptr<Mixer> mixer, int channel)
        : mixer_(std::move(mixer)), channel_(channel) {}
    ~SdlVoice() override {
        if (auto m = mixer_.lock()) {
            m->RemoveSlot(channel_);
        }
    }
    SdlVoice(const SdlVoice&) = delete;
    SdlVoice& operator=(const SdlVoice&) = delete;

    void Open(const std::string& path) override { With(&Mixer::Open, path); }
    void Close() override { With(&Mixer::Close); }
    void Play() override { With(&Mixer::Play); }
    void Stop() override { With(&Mixer::Stop); }
    void Rewind() override { With(&Mixer::Rewind); }

  private:
    // The device may have closed before the player goes; then nothing sounds.
    template <class... P, class... A> void With(void (Mixer::*op)(int, P...), const A&... args) {
        if (auto m = mixer_.lock()) {
            ((*m).*op)(channel_, args...);
        }
    }

    std::weak_ptr<Mixer> mixer_;
    int channel_;
};

class SdlAudio : public Audio {
  public:
    explicit SdlAudio(std::shared_ptr<Mixer> mixer) : mixer_(std::move(mixer)) {}

    void PlayEffect(const std::string& path, int) override { mixer_->PlayEffect(path); }
    bool WaitEffect(std::uint32_t maxMs) override { return mixer_->WaitEffect(maxMs); }
    std::unique_ptr<Voice> NewVoice(const std::string&, std::function<void()> ended) override {
        return std::make_unique<SdlVoice>(mixer_, mixer_->AddSlot(std::move(ended)));
    }
    // While a play waits for its file, the event loop looks again a millisecond later.
    std::optional<std::uint32_t> NextDeadline() const override {
        return mixer_->Decoding() ? std::optional<std::uint32_t>(SDL_GetTicks() + 1) : std::nullopt;
    }
    void Update(std::uint32_t) override { mixer_->StartDecoded(); }

  private:
    std::shared_ptr<Mixer> mixer_;
};

} // namespace

std::unique_ptr<Audio> OpenSdlAudio() {
    try {
        return std::make_unique<SdlAudio>(std::make_shared<Mixer>());
    } catch (const std::runtime_error&) {
        return std::make_unique<SilentAudio>();
    }
}

} // namespace ui
