#include "platform/files.h"

#include <SDL.h>
#include <strings.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace platform {

namespace fs = std::filesystem;

std::string ResolveFileName(const std::string& path) {
    std::error_code ec;
    if (fs::exists(path, ec)) return path;
    const fs::path p(path);
    const fs::path dir = p.has_parent_path() ? p.parent_path() : fs::path(".");
    const std::string name = p.filename().string();
    for (const auto& entry : fs::directory_iterator(dir, ec)) {
        if (strcasecmp(entry.path().filename().string().c_str(), name.c_str()) == 0)
            return p.has_parent_path() ? entry.path().string() : entry.path().filename().string();
    }
    return path;
}

bool IsDirectory(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

bool IsWritableDirectory(const std::string& path) { return IsDirectory(path) && access(path.c_str(), W_OK) == 0; }

std::string CurrentDirectory() {
    std::error_code ec;
    fs::path p = fs::current_path(ec);
    return ec ? std::string() : p.string();
}

bool ChangeDirectory(const std::string& path) { return chdir(path.c_str()) == 0; }

std::string ExecutableDirectory() {
    std::string dir;
    if (char* base = SDL_GetBasePath()) {
        dir = base;
        SDL_free(base);
    }
    while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
    return dir;
}

}  // namespace platform
