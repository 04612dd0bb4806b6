// Lays out the sound part of the default content pack in a program folder:
//   quorvane_soundgen <program folder>

#include "Content.h"
#include "Music.h"
#include "SoundManifest.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace fs = std::filesystem;
using namespace soundgen;

namespace {

std::size_t fileCount(const SoundSpec& spec) {
    return spec.variants == 0 ? 1 : static_cast<std::size_t>(spec.variants);
}

const std::vector<Pcm>& waveformsFor(const SoundSpec& spec, const Waveforms& pack) {
    const auto found = pack.find(spec.name);
    if (found == pack.end() || found->second.size() != fileCount(spec))
        throw std::runtime_error("no complete set of waveforms for " + std::string(spec.name));
    return found->second;
}

// A variant left over from a larger family would count as one more member.
void removeStaleVariants(const fs::path& root, const SoundSpec& spec) {
    if (spec.variants == 0)
        return;
    for (int n = spec.variants + 1; fs::remove(root / relativePath(spec, n)); ++n) {
    }
}

void writeWaveforms(const fs::path& root, const SoundSpec& spec, const Waveforms& pack) {
    const std::vector<Pcm>& waveforms = waveformsFor(spec, pack);
    for (int n = firstVariant(spec); n <= lastVariant(spec); ++n) {
        const Pcm& pcm = waveforms[static_cast<std::size_t>(n == 0 ? 0 : n - 1)];
        if (!lastsRightTime(spec, pcm.seconds()))
            throw std::runtime_error(relativePath(spec, n) + " lasts " +
                                     std::to_string(pcm.seconds()) + " s");
        writeBytes(root / relativePath(spec, n), encodeWav(pcm));
    }
    removeStaleVariants(root, spec);
}

void checkNothingExtra(const Waveforms& pack) {
    for (const auto& entry : pack) {
        const bool listed = std::any_of(kSounds.begin(), kSounds.end(), [&](const SoundSpec& spec) {
            return spec.name == entry.first;
        });
        if (!listed)
            throw std::runtime_error("waveform for an unlisted sound: " + entry.first);
    }
}

void generate(const fs::path& root) {
    const Waveforms pack = buildWaveforms();
    checkNothingExtra(pack);
    for (const SoundSpec& spec : kSounds) {
        fs::create_directories(root / folderName(spec.folder));
        if (spec.format == Format::Midi)
            writeBytes(root / relativePath(spec, 0), composeGameMusic());
        else
            writeWaveforms(root, spec, pack);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <program folder>\n", argv[0]);
        return 2;
    }
    try {
        generate(argv[1]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "quorvane_soundgen: %s\n", error.what());
        return 1;
    }
    return 0;
}
