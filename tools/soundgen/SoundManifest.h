#pragma once

// Every sound the game plays: where it lies, how it is numbered and how long it may last. The
// generator builds exactly this list and the content tests check the program folder against it.

#include <array>
#include <cstdio>
#include <string>
#include <string_view>

namespace soundgen {

enum class Folder { Sons, Audio };
enum class Format { Wave, Midi };
enum class Level { Audible, Silent };

struct SoundSpec {
    Folder folder;
    Format format;
    std::string_view name;
    int variants; // 0: one file named after the sound; N: files numbered 01 to N
    double minSeconds;
    double maxSeconds;
    Level level = Level::Audible;
};

namespace detail {

constexpr SoundSpec effect(std::string_view name, double minSeconds, double maxSeconds) {
    return {Folder::Sons, Format::Wave, name, 0, minSeconds, maxSeconds};
}

constexpr SoundSpec family(std::string_view name, int variants, double minSeconds,
                           double maxSeconds) {
    return {Folder::Sons, Format::Wave, name, variants, minSeconds, maxSeconds};
}

constexpr SoundSpec narration(std::string_view name, int variants, double minSeconds,
                              double maxSeconds) {
    return {Folder::Audio, Format::Wave, name, variants, minSeconds, maxSeconds};
}

// Phrases the screens wait for must stay short: the game does not respond meanwhile.
constexpr double kPhraseMin = 0.4;
constexpr double kPhraseMax = 4.0;
constexpr double kKnockMin = 0.02;
constexpr double kKnockMax = 0.3;

} // namespace detail

inline constexpr std::array kSounds{
    detail::effect("boasorte", detail::kPhraseMin, detail::kPhraseMax),
    detail::effect("tchau", detail::kPhraseMin, detail::kPhraseMax),
    detail::effect("tirouzero", detail::kPhraseMin, detail::kPhraseMax),
    detail::effect("eliminarerradas", detail::kPhraseMin, detail::kPhraseMax),
    detail::effect("responda", detail::kPhraseMin, detail::kPhraseMax),
    detail::effect("conhecer", detail::kPhraseMin, detail::kPhraseMax),
    detail::effect("click", detail::kKnockMin, detail::kKnockMax),
    detail::effect("wood", detail::kKnockMin, detail::kKnockMax),
    detail::effect("tickone", detail::kKnockMin, detail::kKnockMax),
    detail::effect("switch", detail::kKnockMin, detail::kKnockMax),
    SoundSpec{Folder::Sons, Format::Wave, "mudo", 0, 0.005, 0.1, Level::Silent},
    detail::family("acerto", 3, detail::kPhraseMin, detail::kPhraseMax),
    detail::family("pular", 3, detail::kPhraseMin, detail::kPhraseMax),
    detail::family("errar", 3, detail::kPhraseMin, detail::kPhraseMax),
    detail::family("ganhou", 3, detail::kPhraseMin, 5.0),
    detail::family("ajudaconvid", 3, detail::kPhraseMin, detail::kPhraseMax),
    detail::family("qualaresposta", 3, detail::kPhraseMin, detail::kPhraseMax),
    detail::family("placas", 3, detail::kPhraseMin, detail::kPhraseMax),
    detail::family("parar", 3, detail::kPhraseMin, detail::kPhraseMax),
    detail::family("tempoesg", 3, detail::kPhraseMin, detail::kPhraseMax),
    detail::family("ajudacartas", 3, detail::kPhraseMin, detail::kPhraseMax),
    detail::family("temcerteza", 3, detail::kPhraseMin, 2.5),
    detail::family("tempoacabando", 3, detail::kPhraseMin, 3.0),
    detail::narration("trilha09", 0, 4.0, 10.9),
    detail::narration("trilha07", 0, 3.0, 8.0),
    detail::narration("parabens", 0, 12.0, 14.0),
    detail::narration("valores", 16, 0.5, 3.0),
    SoundSpec{Folder::Sons, Format::Midi, "gamebgm", 0, 45.0, 120.0},
};

inline std::string folderName(Folder folder) {
    return folder == Folder::Sons ? "sons" : "audio";
}

inline std::string extension(const SoundSpec& entry) {
    if (entry.format == Format::Midi)
        return ".mid";
    return entry.folder == Folder::Sons ? ".WAV" : ".wav";
}

// Variant 0 names the single file of a sound without variants.
inline std::string fileName(const SoundSpec& entry, int variant) {
    std::string name(entry.name);
    if (variant > 0) {
        char number[16];
        std::snprintf(number, sizeof number, "-%02d", variant);
        name += number;
    }
    return name + extension(entry);
}

inline std::string relativePath(const SoundSpec& entry, int variant) {
    return folderName(entry.folder) + "/" + fileName(entry, variant);
}

inline int firstVariant(const SoundSpec& entry) {
    return entry.variants == 0 ? 0 : 1;
}
inline int lastVariant(const SoundSpec& entry) {
    return entry.variants;
}

inline bool lastsRightTime(const SoundSpec& entry, double seconds) {
    return seconds >= entry.minSeconds && seconds <= entry.maxSeconds;
}

} // namespace soundgen
