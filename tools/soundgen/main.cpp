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

std::size_t fileCount(const SoundSpec& wanted) {
    return wanted.variants == 0 ? 1 : static_cast<std::size_t>(wanted.variants);
}

const std::vector<Pcm>& waveformsFor(const SoundSpec& wanted, const Waveforms& pack) {
    const auto found = pack.find(wanted.name);
    if (found == pack.end() || found->second.size() != fileCount(wanted))
        throw std::runtime_error("no complete set of waveforms for " + std::string(wanted.name));
    return found->second;
}

// A variant left over from a larger family would count as one more member.
void removeStaleVariants(const fs::path& root, const SoundSpec& wanted) {
    if (wanted.variants == 0)
        return;
    for (int n = wanted.variants + 1; fs::remove(root / relativePath(wanted, n)); ++n) {
    }
}

void writeWaveforms(const fs::path& root, const SoundSpec& wanted, const Waveforms& pack) {
    const std::vector<Pcm>& waveforms = waveformsFor(wanted, pack);
    for (int n = firstVariant(wanted); n <= lastVariant(wanted); ++n) {
        const Pcm& pcm = waveforms[static_cast<std::size_t>(n == 0 ? 0 : n - 1)];
        if (!lastsRightTime(wanted, pcm.seconds()))
            throw std::runtime_error(relativePath(wanted, n) + " lasts " +
                                     std::to_string(pcm.seconds()) + " s");
        writeBytes(root / relativePath(wanted, n), encodeWav(pcm));
    }
    removeStaleVariants(root, wanted);
}

void checkNothingExtra(const Waveforms& pack) {
    for (const auto& entry : pack) {
        const bool listed =
            std::any_of(kSounds.begin(), kSounds.end(),
                        [&](const SoundSpec& wanted) { return wanted.name == entry.first; });
        if (!listed)
            throw std::runtime_error("waveform for an unlisted sound: " + entry.first);
    }
}

void generate(const fs::path& root) {
    const Waveforms pack = buildWaveforms();
    checkNothingExtra(pack);
    for (const SoundSpec& wanted : kSounds) {
        fs::create_directories(root / folderName(wanted.folder));
        if (wanted.format == Format::Midi)
            writeBytes(root / relativePath(wanted, 0), composeGameMusic());
        else
            writeWaveforms(root, wanted, pack);
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
