// File names of the data folder: as written, else without regard to case.
#pragma once
#include <cstdio>
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

// The stream calls the game checks, each one a counted fallible operation.
// A failed close still closes the stream.
std::FILE* OpenFile(const std::string& path, const char* mode);
std::size_t ReadFile(void* to, std::size_t bytes, std::FILE* file);
std::size_t WriteFile(const void* from, std::size_t bytes, std::FILE* file);
int CloseFile(std::FILE* file);
int RenameFile(const std::string& from, const std::string& to);

}  // namespace platform
