#include "platform/Files.h"

#include <filesystem>
#include <strings.h>
#include <system_error>

namespace fs = std::filesystem;

namespace ui {

namespace {

std::string MatchComponent(const std::string& folder, const std::string& name) {
    std::error_code ec;
    const fs::path dir = folder.empty() ? fs::path(".") : fs::path(folder);
    if (fs::exists(dir / name, ec)) {
        return name;
    }
    for (const auto& entry : fs::directory_iterator(dir, ec)) {
        const std::string candidate = entry.path().filename().string();
        if (strcasecmp(candidate.c_str(), name.c_str()) == 0) {
            return candidate;
        }
    }
    return name;
}

} // namespace

std::string ResolvePath(const std::string& path) {
    std::string result;
    std::size_t pos = 0;
    if (!path.empty() && path[0] == '/') {
        result = "/";
        pos = 1;
    }
    while (pos <= path.size()) {
        const std::size_t next = path.find('/', pos);
        const std::string part = path.substr(pos, next == std::string::npos ? next : next - pos);
        if (!part.empty()) {
            result += (part == "." || part == "..") ? part : MatchComponent(result, part);
        }
        if (next == std::string::npos) {
            break;
        }
        if (!part.empty()) {
            result += '/';
        }
        pos = next + 1;
    }
    return result;
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(ResolvePath(path), ec);
}

std::string ExecutableFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    std::string folder = ec ? fs::current_path().string() : exe.parent_path().string();
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

} // namespace ui
