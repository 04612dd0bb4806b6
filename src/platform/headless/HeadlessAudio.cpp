#include "platform/headless/HeadlessAudio.h"

#include "platform/SoundFile.h"
#include "platform/headless/HeadlessBackend.h"

#include <map>

namespace ui {

namespace {

// Elapsed-time arithmetic on the wrapping 32-bit tick count.
std::int32_t Until(std::uint32_t due, std::uint32_t now) {
    return static_cast<std::int32_t>(due - now);
}

struct Track {
    std::string name;
    std::function<void()> ended;
    std::optional<std::uint32_t> length; // set while a file is open
    std::uint32_t position = 0;
    bool playing = false;
    std::uint32_t startedAt = 0;

    std::uint32_t Due() const { return startedAt + (*length - position); }
    // A file of that length opened at its beginning, or no file.
    void Load(std::optional<std::uint32_t> fileLength) {
        length = fileLength;
        position = 0;
        playing = false;
    }
};

} // namespace

struct HeadlessAudio::State {
    HeadlessBackend& clock;
    std::vector<std::string> log;
    std::vector<HeadlessAudio::Effect> effects;
    std::string effect;
    std::uint32_t effectEnd = 0;
    // The end of the last effect started; a missing one has nothing to wait for.
    std::uint32_t waitEnd = 0;
    std::map<int, Track> tracks;
    int nextId = 0;

    std::uint32_t Now() const { return clock.Ticks(); }

    void Pause(Track& t) {
        if (t.playing) {
            t.position = std::min(*t.length, t.position + (Now() - t.startedAt));
            t.playing = false;
        }
    }
};

namespace {

class HeadlessVoice : public Voice {
  public:
    HeadlessVoice(std::weak_ptr<HeadlessAudio::State> state, int id)
        : state_(std::move(state)), id_(id) {}
    ~HeadlessVoice() override {
        if (auto s = state_.lock()) {
            s->tracks.erase(id_);
        }
    }

    void Open(const std::string& path) override {
        Act("open " + path,
            [&](HeadlessAudio::State&, Track& t) { t.Load(SoundDurationMs(path)); });
    }
    void Close() override {
        Act("close", [](HeadlessAudio::State&, Track& t) { t.Load(std::nullopt); });
    }
    void Play() override {
        Act("play", [](HeadlessAudio::State& s, Track& t) {
            if (t.length && !t.playing && t.position < *t.length) {
                t.playing = true;
                t.startedAt = s.Now();
            }
        });
    }
    void Stop() override {
        Act("stop", [](HeadlessAudio::State& s, Track& t) {
            if (t.length) {
                s.Pause(t);
            }
        });
    }
    void Rewind() override {
        Act("prev", [](HeadlessAudio::State&, Track& t) {
            t.playing = false;
            t.position = 0;
        });
    }

  private:
    template <class F> void Act(const std::string& command, F change) {
        if (auto s = state_.lock()) {
            Track& t = s->tracks.at(id_);
            s->log.push_back(t.name + " " + command);
            change(*s, t);
        }
    }

    std::weak_ptr<HeadlessAudio::State> state_;
    int id_;
};

} // namespace

HeadlessAudio::HeadlessAudio(HeadlessBackend& clock)
    : state_(std::make_shared<State>(State{clock, {}, {}, {}, 0, 0, {}, 0})) {}

HeadlessAudio::~HeadlessAudio() = default;

void HeadlessAudio::PlayEffect(const std::string& path, int flags) {
    state_->log.push_back("effect " + path + " " + std::to_string(flags));
    state_->waitEnd = state_->Now();
    state_->effects.push_back({path, state_->Now()});
    const auto length = SoundDurationMs(path);
    if (!length) {
        return;
    }
    state_->effect = path;
    state_->effectEnd = state_->waitEnd = state_->Now() + *length;
}

bool HeadlessAudio::WaitEffect(std::uint32_t maxMs) {
    const std::int32_t left = Until(state_->waitEnd, state_->Now());
    if (left > 0) {
        state_->clock.Advance(std::min(maxMs, static_cast<std::uint32_t>(left)));
    }
    return Until(state_->waitEnd, state_->Now()) <= 0;
}

std::unique_ptr<Voice> HeadlessAudio::NewVoice(const std::string& name,
                                               std::function<void()> ended) {
    const int id = state_->nextId++;
    Track& t = state_->tracks[id];
    t.name = name;
    t.ended = std::move(ended);
    return std::make_unique<HeadlessVoice>(state_, id);
}

std::optional<std::uint32_t> HeadlessAudio::NextDeadline() const {
    std::optional<std::uint32_t> next;
    const std::uint32_t now = state_->Now();
    for (const auto& [id, t] : state_->tracks) {
        if (t.playing && (!next || Until(t.Due(), now) < Until(*next, now))) {
            next = t.Due();
        }
    }
    return next;
}

void HeadlessAudio::Update(std::uint32_t now) {
    for (auto& [id, t] : state_->tracks) {
        if (t.playing && Until(t.Due(), now) <= 0) {
            t.playing = false;
            t.position = *t.length;
            if (t.ended) {
                t.ended();
            }
        }
    }
}

const std::vector<std::string>& HeadlessAudio::Log() const {
    return state_->log;
}

const std::vector<HeadlessAudio::Effect>& HeadlessAudio::Effects() const {
    return state_->effects;
}

std::string HeadlessAudio::EffectPlaying() const {
    return Until(state_->effectEnd, state_->Now()) > 0 ? state_->effect : std::string();
}

bool HeadlessAudio::Playing(const std::string& name) const {
    for (const auto& [id, t] : state_->tracks) {
        if (t.name == name && t.playing) {
            return true;
        }
    }
    return false;
}

} // namespace ui
