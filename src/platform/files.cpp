#include "platform/files.h"

#include <strings.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "platform/fault_injection.h"

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
    std::error_code ec;
    const fs::path program = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : program.parent_path().string();
}

std::FILE* OpenFile(const std::string& path, const char* mode) {
    if (CallFails(Operation::FileOpen)) return nullptr;
    return std::fopen(path.c_str(), mode);
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

int RenameFile(const std::string& from, const std::string& to) {
    if (CallFails(Operation::FileRename)) return -1;
    return std::rename(from.c_str(), to.c_str());
}

}  // namespace platform
