#include "platform/Files.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <strings.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

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

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }
    // Closes now, for a writer that must know whether the close succeeded.
    bool Close() { return ::close(std::exchange(fd_, -1)) == 0; }

  private:
    int fd_;
};

std::string Temporary(const std::string& path) {
    return path + ".novo";
}

bool WriteAll(int fd, const std::string& content) {
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0 && errno != EINTR) {
            return false;
        }
        done += n > 0 ? static_cast<std::size_t>(n) : 0;
    }
    return true;
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

FileContent ReadRegularFile(const std::string& path, std::size_t maxBytes, Oversize oversize) {
    using Status = FileContent::Status;
    // Non-blocking: opening a pipe without a writer would wait for one.
    Descriptor fd(::open(ResolvePath(path).c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.Get() < 0) {
        return {errno == ENOENT || errno == ENOTDIR ? Status::Missing : Status::Unreadable, {}};
    }
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0) {
        return {Status::Unreadable, {}};
    }
    if (!S_ISREG(info.st_mode)) {
        return {Status::NotRegular, {}};
    }
    const bool keepStart = oversize == Oversize::KeepStart;
    if (!keepStart && static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
        return {Status::TooLarge, {}};
    }
    // The file may grow while it is read: never more than the bound and one byte.
    FileContent content{Status::Ok, {}};
    char chunk[65536];
    for (;;) {
        const std::size_t want = std::min(sizeof chunk, maxBytes + 1 - content.bytes.size());
        const ssize_t n = ::read(fd.Get(), chunk, want);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return {Status::Unreadable, {}};
        }
        if (n == 0) {
            return content;
        }
        content.bytes.append(chunk, static_cast<std::size_t>(n));
        if (content.bytes.size() > maxBytes) {
            content.bytes.resize(keepStart ? maxBytes : 0);
            content.status = Status::TooLarge;
            return content;
        }
    }
}

bool ReplaceFile(const std::string& path, const std::string& content) {
    const std::string temporary = Temporary(path);
    // A leftover, or a link that the write must not follow.
    ::unlink(temporary.c_str());
    Descriptor fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (fd.Get() < 0) {
        return false;
    }
    const bool written = WriteAll(fd.Get(), content) && ::fsync(fd.Get()) == 0;
    if (!fd.Close() || !written || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

void RemoveStaleReplacement(const std::string& path) {
    ::unlink(Temporary(path).c_str());
}

} // namespace ui
