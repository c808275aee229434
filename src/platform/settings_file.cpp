#include "platform/settings_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/files.h"

namespace platform {
namespace {

std::string reason() { return std::strerror(errno); }

}  // namespace

bool ReadSettingsFile(const std::string& path, DisplaySettings* settings, std::string* problem) {
    *settings = DisplaySettings{};
    std::FILE* file = OpenFile(path, "rb");
    if (!file) {
        *problem = errno == ENOENT ? std::string("fehlt") : "ist nicht lesbar (" + reason() + ")";
        return false;
    }
    // A settings file is a few lines; anything much longer is not one.
    char bytes[4096];
    errno = 0;
    const std::size_t size = ReadFile(bytes, sizeof bytes, file);
    const bool failed = std::ferror(file) != 0 || (size == 0 && errno != 0);
    const std::string why = reason();
    CloseFile(file);
    if (failed) {
        *problem = "ist nicht lesbar (" + why + ")";
        return false;
    }
    if (size == sizeof bytes) {
        *problem = "ist zu lang";
        return false;
    }
    return ParseSettings(std::string(bytes, size), settings, problem);
}

bool WriteSettingsFile(const std::string& path, const DisplaySettings& settings, std::string* problem) {
    const std::string text = FormatSettings(settings);
    // The folder is made with the first file; one that cannot be made
    // shows as the file that cannot be opened.
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    const std::string temporary = path + ".neu";
    std::FILE* file = OpenFile(temporary, "wb");
    if (!file) {
        *problem = reason();
        return false;
    }
    const bool written = WriteFile(text.data(), text.size(), file) == text.size();
    const int saved_errno = errno;
    if (CloseFile(file) != 0 || !written) {
        *problem = written ? reason() : std::strerror(saved_errno);
        std::remove(temporary.c_str());
        return false;
    }
    if (RenameFile(temporary, path) != 0) {
        *problem = reason();
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace platform
