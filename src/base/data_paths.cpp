#include "base/data_paths.h"

#include <cstring>

#include "platform/debug_output.h"
#include "platform/files.h"

char basisordner[kPfadlaenge];
char datenordner[kPfadlaenge];

namespace {

// Paths are held in buffers of 260 characters; a longer one is left empty,
// so the data is not found and loading reports it, instead of a cut-off path.
void setzen(char (&ziel)[kPfadlaenge], const std::string& pfad) {
    if (pfad.size() >= sizeof ziel) {
        platform::OutputDebugString("Pfad zu lang\n");
        ziel[0] = 0;
        return;
    }
    std::memcpy(ziel, pfad.c_str(), pfad.size() + 1);
}

}  // namespace

void basisordnerholen() {
    setzen(basisordner, platform::CurrentDirectory());
    platform::OutputDebugString(basisordner);
}

void datenordnersetzen(const char* name) {
    std::string pfad = std::string(basisordner) + "/data/" + name;
    if (!platform::IsDirectory(pfad)) {
        // Started from elsewhere: the data beside the program, or where an
        // installed program keeps it.
        const std::string exe = platform::ExecutableDirectory();
        const std::string beside = exe + "/data/" + name;
        const std::string installed = exe + "/../share/ferrow/data/" + name;
        if (platform::IsDirectory(beside)) pfad = beside;
        else if (platform::IsDirectory(installed)) pfad = installed;
    }
    setzen(datenordner, pfad);
    platform::ChangeDirectory(datenordner);
    platform::OutputDebugString(datenordner);
}

std::string benutzerordner() {
    const std::string ordner = platform::UserDataDirectory();
    return ordner.empty() ? ordner : ordner + "/";
}

std::string highscoreordner() { return platform::IsWritableDirectory(".") ? std::string() : benutzerordner(); }
