// File names are matched without regard to case, one path component at a time, so that the
// upper-cased program folder and mixed spellings of folder and file names find the same files.
#pragma once

#include <string>

namespace ui {

// The existing path that matches `path` ignoring ASCII case; components that match nothing
// are kept as given (so a file about to be created lands beside its resolved folder).
std::string ResolvePath(const std::string& path);
// True when the resolved path is an ordinary file (not a folder).
bool FileExists(const std::string& path);
// Folder of the running executable, with a trailing slash.
std::string ExecutableFolder();

} // namespace ui
