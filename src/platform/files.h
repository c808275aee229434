// File names of the data folder: as written, else without regard to case.
// Every name is UTF-8, whatever the system's own names are.
#pragma once
#include <cstdio>
#include <string>

namespace platform {

// The path of an existing file whose name matches the last part of path
// without regard to case; path itself when it exists or nothing matches.
std::string ResolveFileName(const std::string& path);

bool IsDirectory(const std::string& path);
// New files can be made in the folder (a folder under Program Files or on a
// read-only disk cannot take them).
bool IsWritableDirectory(const std::string& path);
std::string CurrentDirectory();
bool ChangeDirectory(const std::string& path);
// The folder that holds the running program, without a trailing separator.
std::string ExecutableDirectory();
// The folder where the program keeps a player's own files, made if need be:
// $XDG_DATA_HOME/ferrow or ~/.local/share/ferrow, on Windows
// %APPDATA%\ferrow. Without a trailing separator; empty when none is known.
std::string UserDataDirectory();

// The stream calls the game checks, each one a counted fallible operation.
// A failed close still closes the stream.
std::FILE* OpenFile(const std::string& path, const char* mode);
std::size_t ReadFile(void* to, std::size_t bytes, std::FILE* file);
std::size_t WriteFile(const void* from, std::size_t bytes, std::FILE* file);
int CloseFile(std::FILE* file);
// Replaces a file of the new name, if there is one.
int RenameFile(const std::string& from, const std::string& to);
bool RemoveFile(const std::string& path);
// What was written to the stream is on the disk, not only in a cache, when
// this returns true.
bool FlushToDisk(std::FILE* file);

}  // namespace platform
