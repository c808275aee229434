// Where the settings file lives: the one place a system's convention is
// looked up, so that each system answers it its own way.
#include <cstdlib>
#include <filesystem>

#include "platform/settings_file.h"

namespace platform {

std::string SettingsPath() {
    std::filesystem::path folder;
#if defined(_WIN32)
    if (const char* appdata = std::getenv("APPDATA"); appdata && *appdata) folder = appdata;
#else
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/') folder = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home) folder = std::filesystem::path(home) / ".config";
#endif
    if (folder.empty()) return std::string();
    return (folder / "ferrow" / "settings").string();
}

}  // namespace platform
