#include "shell/data_paths.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/debug_output.h"
#include "platform/files.h"

char basisordner[kPfadlaenge];
char datenordner[kPfadlaenge];

void basisordnerholen() {
    std::snprintf(basisordner, sizeof basisordner, "%s", platform::CurrentDirectory().c_str());
    platform::OutputDebugString(basisordner);
}

void datenordnersetzen(const char* name) {
    std::snprintf(datenordner, sizeof datenordner, "%s/data/%s", basisordner, name);
    if (!platform::IsDirectory(datenordner)) {
        // Started from elsewhere: the data beside the program, or where an
        // installed program keeps it.
        const std::string exe = platform::ExecutableDirectory();
        const std::string beside = exe + "/data/" + name;
        const std::string installed = exe + "/../share/ferrow/data/" + name;
        if (platform::IsDirectory(beside))
            std::snprintf(datenordner, sizeof datenordner, "%s", beside.c_str());
        else if (platform::IsDirectory(installed))
            std::snprintf(datenordner, sizeof datenordner, "%s", installed.c_str());
    }
    platform::ChangeDirectory(datenordner);
    platform::OutputDebugString(datenordner);
}

std::string highscoreordner() {
    if (platform::IsWritableDirectory(".")) return std::string();
    std::string base;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg == '/') base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home) base = std::string(home) + "/.local/share";
    else return std::string();
    const std::string dir = base + "/ferrow";
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    return dir + "/";
}
