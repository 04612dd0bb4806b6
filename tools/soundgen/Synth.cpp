#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace soundgen {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

std::size_t sampleCount(double seconds) {
    return static_cast<std::size_t>(std::lround(std::max(0.0, seconds) * kPackRate));
}

// Fixed-seed generator: the pack must come out the same at every build.
class Noise {
  public:
    explicit Noise(std::uint32_t seed) : state_(seed | 1u) {}

    float next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<float>(state_) / 2147483648.0f - 1.0f;
    }

  private:
    std::uint32_t state_;
};

double frequencyOf(int midiNote) {
    return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

// Attack, then hold at the sustain level, then a release at the note's end.
double envelope(double t, double length, double attack, double release) {
    const double rise = attack > 0 ? std::min(1.0, t / attack) : 1.0;
    const double fall = std::clamp((length - t) / release, 0.0, 1.0);
    return rise * fall;
}

Pcm additive(double hz, double seconds, const std::vector<double>& ratios,
             const std::vector<double>& weights, double decaySeconds, double attack,
             double vibrato) {
    Pcm pcm = silence(seconds);
    std::vector<double> phases(ratios.size(), 0.0);
    for (std::size_t i = 0; i < pcm.samples.size(); ++i) {
        const double t = static_cast<double>(i) / kPackRate;
        const double wobble = 1.0 + vibrato * std::min(1.0, t * 4.0) * std::sin(kTwoPi * 5.0 * t);
        double value = 0.0;
        for (std::size_t p = 0; p < ratios.size(); ++p) {
            phases[p] += kTwoPi * hz * ratios[p] * wobble / kPackRate;
            value += weights[p] * std::sin(phases[p]);
        }
        const double decay = decaySeconds > 0 ? std::exp(-t / decaySeconds) : 1.0;
        pcm.samples[i] = static_cast<float>(value * decay * envelope(t, seconds, attack, 0.06));
    }
    return pcm;
}

Pcm brass(double hz, double seconds) {
    std::vector<double> ratios;
    std::vector<double> weights;
    for (int n = 1; n <= 8; ++n) {
        ratios.push_back(n);
        weights.push_back(0.5 / std::pow(n, 1.1));
    }
    return additive(hz, seconds, ratios, weights, 2.5, 0.025, 0.004);
}

Pcm bell(double hz, double seconds) {
    return additive(hz, seconds, {1.0, 2.76, 5.40, 8.93}, {0.5, 0.25, 0.12, 0.06}, 0.6, 0.002, 0.0);
}

Pcm pad(double hz, double seconds) {
    Pcm pcm = additive(hz, seconds, {1.0, 1.003, 2.0, 3.0, 4.0}, {0.3, 0.3, 0.12, 0.06, 0.03}, 0.0,
                       0.25, 0.0);
    fade(pcm, 0.0, std::min(0.4, seconds / 2));
    return pcm;
}

Pcm timpani(double hz, double seconds, std::uint32_t seed) {
    Pcm pcm = silence(seconds);
    Noise noise(seed);
    double phase = 0.0;
    for (std::size_t i = 0; i < pcm.samples.size(); ++i) {
        const double t = static_cast<double>(i) / kPackRate;
        phase += kTwoPi * hz * (1.0 + 0.15 * std::exp(-t * 25.0)) / kPackRate;
        const double body = 0.8 * std::sin(phase) * std::exp(-t / 0.35);
        const double strike = 0.3 * noise.next() * std::exp(-t / 0.015);
        pcm.samples[i] = static_cast<float>((body + strike) * envelope(t, seconds, 0.0, 0.05));
    }
    return pcm;
}

Pcm cymbal(double seconds, std::uint32_t seed) {
    Pcm pcm = silence(seconds);
    Noise noise(seed);
    float previous = 0.0f;
    for (std::size_t i = 0; i < pcm.samples.size(); ++i) {
        const double t = static_cast<double>(i) / kPackRate;
        const float white = noise.next();
        const float bright =
            white - previous; // a first difference keeps the hiss, drops the rumble
        previous = white;
        pcm.samples[i] = static_cast<float>(0.4 * bright * std::exp(-t / (seconds / 3.0)) *
                                            envelope(t, seconds, 0.001, 0.05));
    }
    return pcm;
}

Pcm play(const Hit& hit, std::uint32_t seed) {
    const double hz = frequencyOf(hit.midiNote);
    switch (hit.voice) {
    case Voice::Brass:
        return brass(hz, hit.seconds);
    case Voice::Bell:
        return bell(hz, hit.seconds);
    case Voice::Pad:
        return pad(hz, hit.seconds);
    case Voice::Timpani:
        return timpani(hz, hit.seconds, seed);
    case Voice::Cymbal:
        return cymbal(hit.seconds, seed);
    }
    return silence(0.0);
}

} // namespace

Pcm silence(double seconds) {
    return Pcm{kPackRate, std::vector<float>(sampleCount(seconds))};
}

void mixInto(Pcm& target, const Pcm& source, double atSeconds, float gain) {
    const std::size_t start = sampleCount(atSeconds);
    if (target.samples.size() < start + source.samples.size())
        target.samples.resize(start + source.samples.size());
    for (std::size_t i = 0; i < source.samples.size(); ++i)
        target.samples[start + i] += gain * source.samples[i];
}

void normalize(Pcm& pcm, float peak) {
    float loudest = 0.0f;
    for (float sample : pcm.samples)
        loudest = std::max(loudest, std::abs(sample));
    if (loudest <= 0.0f)
        return;
    for (float& sample : pcm.samples)
        sample *= peak / loudest;
}

void fade(Pcm& pcm, double inSeconds, double outSeconds) {
    const std::size_t count = pcm.samples.size();
    const std::size_t in = std::min(count, sampleCount(inSeconds));
    const std::size_t out = std::min(count, sampleCount(outSeconds));
    for (std::size_t i = 0; i < in; ++i)
        pcm.samples[i] *= static_cast<float>(i) / in;
    for (std::size_t i = 0; i < out; ++i)
        pcm.samples[count - 1 - i] *= static_cast<float>(i) / out;
}

void duck(Pcm& pcm, double fromSeconds, double toSeconds, float gain) {
    constexpr double kRamp = 0.15;
    for (std::size_t i = 0; i < pcm.samples.size(); ++i) {
        const double t = static_cast<double>(i) / kPackRate;
        const double inside = std::clamp(
            std::min(t - (fromSeconds - kRamp), (toSeconds + kRamp) - t) / kRamp, 0.0, 1.0);
        pcm.samples[i] *= static_cast<float>(1.0 - inside * (1.0 - gain));
    }
}

void trimSilence(Pcm& pcm) {
    constexpr float kThreshold = 0.01f;
    const auto margin = static_cast<std::ptrdiff_t>(sampleCount(0.03));
    auto loud = [](float sample) { return std::abs(sample) > kThreshold; };
    std::vector<float>& samples = pcm.samples;
    const auto first = std::find_if(samples.begin(), samples.end(), loud);
    const auto last = std::find_if(samples.rbegin(), samples.rend(), loud).base();
    if (first >= last) {
        samples.clear();
        return;
    }
    const auto begin = first - std::min(margin, first - samples.begin());
    const auto end = last + std::min(margin, samples.end() - last);
    samples = std::vector<float>(begin, end);
}

Pcm knock(const Knock& entry) {
    Pcm pcm = silence(entry.seconds);
    Noise noise(entry.seed);
    for (std::size_t i = 0; i < pcm.samples.size(); ++i) {
        const double t = static_cast<double>(i) / kPackRate;
        double body = 0.0;
        for (std::size_t p = 0; p < entry.partials.size(); ++p)
            body += std::sin(kTwoPi * entry.partials[p] * t) / static_cast<double>(p + 1);
        const double ring = body * std::exp(-t / entry.decaySeconds);
        const double attack = entry.noise * noise.next() * std::exp(-t / 0.003);
        pcm.samples[i] =
            static_cast<float>((ring + attack) * envelope(t, entry.seconds, 0.0005, 0.01));
    }
    return pcm;
}

Pcm render(const std::vector<Hit>& hits) {
    Pcm mix;
    std::uint32_t seed = 1;
    for (const Hit& hit : hits)
        mixInto(mix, play(hit, seed++), hit.atSeconds, hit.gain);
    return mix;
}

} // namespace soundgen
