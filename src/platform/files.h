// File names of the data folder: as written, else without regard to case.
#pragma once
#include <string>

namespace platform {

// The path of an existing file whose name matches the last part of path
// without regard to case; path itself when it exists or nothing matches.
std::string ResolveFileName(const std::string& path);

bool IsDirectory(const std::string& path);
bool IsWritableDirectory(const std::string& path);
std::string CurrentDirectory();
bool ChangeDirectory(const std::string& path);
// The folder that holds the running program, without a trailing separator.
std::string ExecutableDirectory();

}  // namespace platform
