// The files of a POSIX system (the desktop's and the browser's): names are
// bytes, which the game keeps as UTF-8.
#include "platform/files.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/internal.h"

namespace platform {

namespace fs = std::filesystem;

bool IsWritableDirectory(const std::string& path) { return IsDirectory(path) && access(path.c_str(), W_OK) == 0; }

std::string ExecutableDirectory() {
    std::error_code ec;
    const fs::path program = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : program.parent_path().string();
}

std::string UserDataDirectory() {
    std::string basis;
    // A relative XDG_DATA_HOME is to be ignored, as the XDG rules say.
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg == '/') basis = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home) basis = std::string(home) + "/.local/share";
    else return std::string();
    const std::string folder = basis + "/ferrow";
    std::error_code ec;
    fs::create_directories(folder, ec);
    return folder;
}

bool FlushToDisk(std::FILE* file) { return std::fflush(file) == 0 && fsync(fileno(file)) == 0; }

std::FILE* internal::OpenNamedFile(const std::string& path, const char* mode) { return std::fopen(path.c_str(), mode); }

}  // namespace platform
