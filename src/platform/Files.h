// File names are matched without regard to case, one path component at a time, so that the
// upper-cased program folder and mixed spellings of folder and file names find the same files.
// Every file the program reads goes through ReadRegularFile, so that no reader blocks on a
// pipe or a device or takes more memory than its kind of file needs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace ui {

// The existing path that matches `path` ignoring ASCII case; components that match nothing
// are kept as given (so a file about to be created lands beside its resolved folder).
std::string ResolvePath(const std::string& path);
// True when the resolved path is an ordinary file (not a folder).
bool FileExists(const std::string& path);
// Folder of the running executable, with a trailing slash.
std::string ExecutableFolder();

struct FileContent {
    enum class Status { Ok, Missing, NotRegular, TooLarge, Unreadable };
    Status status = Status::Missing;
    std::string bytes;

    explicit operator bool() const { return status == Status::Ok; }
    std::span<const std::uint8_t> Bytes() const {
        return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
    }
};

// What a reader takes of an ordinary file longer than its bound.
enum class Oversize { Refuse, KeepStart };

// The whole of an ordinary file of at most `maxBytes`, its name resolved without regard to
// case. Pipes, devices and folders are refused without reading from them. A longer file is
// TooLarge, with its first `maxBytes` when the reader keeps its start.
FileContent ReadRegularFile(const std::string& path, std::size_t maxBytes,
                            Oversize oversize = Oversize::Refuse);

// Writes a temporary beside `path` and renames it over `path`: whenever the writer is
// interrupted, `path` holds either the old or the whole new content.
bool ReplaceFile(const std::string& path, const std::string& content);
// Removes the temporary that an interrupted ReplaceFile of `path` left behind.
void RemoveStaleReplacement(const std::string& path);

} // namespace ui
