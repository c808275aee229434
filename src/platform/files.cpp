#include "platform/files.h"

#include <strings.h>

#include <filesystem>
#include <system_error>

#include "platform/internal.h"
#include "platform/testing/fault_injection.h"

namespace platform {

namespace fs = std::filesystem;

// Names are UTF-8 on every system: u8path and u8string keep them so where the
// system's own narrow names are in another code page (Windows).
std::string ResolveFileName(const std::string& path) {
    std::error_code ec;
    const fs::path p = fs::u8path(path);
    if (fs::exists(p, ec)) return path;
    const fs::path dir = p.has_parent_path() ? p.parent_path() : fs::path(".");
    const std::string name = p.filename().u8string();
    for (const auto& entry : fs::directory_iterator(dir, ec)) {
        if (strcasecmp(entry.path().filename().u8string().c_str(), name.c_str()) == 0)
            return p.has_parent_path() ? entry.path().u8string() : entry.path().filename().u8string();
    }
    return path;
}

bool IsDirectory(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(fs::u8path(path), ec);
}

std::string CurrentDirectory() {
    std::error_code ec;
    fs::path p = fs::current_path(ec);
    return ec ? std::string() : p.u8string();
}

bool ChangeDirectory(const std::string& path) {
    std::error_code ec;
    fs::current_path(fs::u8path(path), ec);
    return !ec;
}

std::FILE* OpenFile(const std::string& path, const char* mode) {
    if (CallFails(Operation::FileOpen)) return nullptr;
    return internal::OpenNamedFile(path, mode);
}

std::size_t ReadFile(void* to, std::size_t bytes, std::FILE* file) {
    if (CallFails(Operation::FileRead)) return 0;
    return std::fread(to, 1, bytes, file);
}

std::size_t WriteFile(const void* from, std::size_t bytes, std::FILE* file) {
    if (CallFails(Operation::FileWrite)) return 0;
    return std::fwrite(from, 1, bytes, file);
}

int CloseFile(std::FILE* file) {
    const bool fails = CallFails(Operation::FileClose);
    const int result = std::fclose(file);
    return fails ? EOF : result;
}

// Over an existing file too: Windows' own rename refuses that, the library's
// does not.
int RenameFile(const std::string& from, const std::string& to) {
    if (CallFails(Operation::FileRename)) return -1;
    std::error_code ec;
    fs::rename(fs::u8path(from), fs::u8path(to), ec);
    return ec ? -1 : 0;
}

bool RemoveFile(const std::string& path) {
    std::error_code ec;
    return fs::remove(fs::u8path(path), ec);
}

}  // namespace platform
