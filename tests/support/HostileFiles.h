// What a hostile user can put where the program expects one of its files: seeded mutations of
// a good file, and things that are not ordinary files at all.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace testing_support {

// A copy of `good` with a few random changes: bits flipped, bytes set to edge values, bytes
// inserted or removed, or the end cut off. Half the changes fall in the first `header` bytes,
// where the sizes and counts that a reader trusts usually are.
inline std::string Mutated(const std::string& good, std::mt19937& random, std::size_t header) {
    std::string bytes = good;
    const auto where = [&] {
        const std::size_t span = random() % 2 == 0 ? std::min(header, bytes.size()) : bytes.size();
        return span == 0 ? 0 : random() % span;
    };
    static const unsigned char edges[] = {0x00, 0x01, 0x7F, 0x80, 0xFF, '"', '\r', '\n', ','};
    const int changes = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < changes && !bytes.empty(); ++i) {
        switch (random() % 6) {
        case 0:
        case 1:
            bytes[where()] ^= static_cast<char>(1u << (random() % 8));
            break;
        case 2:
            bytes[where()] = static_cast<char>(edges[random() % sizeof edges]);
            break;
        case 3:
            bytes.insert(where(), 1 + random() % 8, static_cast<char>(random()));
            break;
        case 4:
            bytes.erase(where(), 1 + random() % 8);
            break;
        default:
            bytes.resize(where());
            break;
        }
    }
    return bytes;
}

inline void PutFile(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<long>(bytes.size()));
}

inline std::string FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The things other than an ordinary file of its kind that can stand at a file's place.
struct Special {
    std::string name;
    // Puts the thing at `path` (removing what was there); false when it cannot be tested here.
    bool (*make)(const std::filesystem::path& path);
};

inline const std::vector<Special>& SpecialFiles() {
    namespace fs = std::filesystem;
    static const std::vector<Special> kinds = {
        {"named pipe", [](const fs::path& p) { return mkfifo(p.c_str(), 0600) == 0; }},
        {"link to /dev/zero",
         [](const fs::path& p) { return symlink("/dev/zero", p.c_str()) == 0; }},
        {"folder", [](const fs::path& p) { return fs::create_directory(p); }},
        {"empty file",
         [](const fs::path& p) {
             PutFile(p, "");
             return true;
         }},
        // Sparse: no disk space, but larger than any file of the program should be.
        {"huge file",
         [](const fs::path& p) {
             PutFile(p, "");
             return truncate(p.c_str(), off_t{4} << 30) == 0;
         }},
        // Whoever can read every file (the tests may run as root) cannot test this.
        {"file without permission",
         [](const fs::path& p) {
             PutFile(p, "x");
             return chmod(p.c_str(), 0) == 0 && access(p.c_str(), R_OK) != 0;
         }},
    };
    return kinds;
}

// Runs `read` with each special file at `path` in turn; a reader that blocks or grows without
// bound ends the test process by the alarm instead of hanging the suite.
template <class F> void ForEachSpecialFile(const std::filesystem::path& path, F read) {
    for (const Special& kind : SpecialFiles()) {
        SCOPED_TRACE(kind.name);
        std::filesystem::remove_all(path);
        if (!kind.make(path)) {
            continue;
        }
        alarm(30);
        read(kind.name);
        alarm(0);
    }
    std::filesystem::remove_all(path);
}

} // namespace testing_support
