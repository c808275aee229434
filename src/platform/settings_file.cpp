#include "platform/settings_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <system_error>

#include "platform/files.h"

namespace platform {
namespace {

constexpr int kLargestWindow = 32767;

// Spaces and tabs off both ends.
std::string trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return std::string();
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

bool yes_no(const std::string& value, bool* out) {
    if (value != "ja" && value != "nein") return false;
    *out = value == "ja";
    return true;
}

bool window_size(const std::string& value, int* w, int* h) {
    char x = 0, rest = 0;
    if (std::sscanf(value.c_str(), "%d %c %d %c", w, &x, h, &rest) != 3 || x != 'x') return false;
    return *w > 0 && *h > 0 && *w <= kLargestWindow && *h <= kLargestWindow;
}

std::string reason() { return std::strerror(errno); }

}  // namespace

bool ParseSettings(const std::string& text, DisplaySettings* settings, std::string* problem) {
    DisplaySettings read;
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        line = trimmed(line.substr(0, line.find('#')));
        if (line.empty()) continue;
        const auto equals = line.find('=');
        const std::string name = trimmed(line.substr(0, equals));
        const std::string value = equals == std::string::npos ? std::string() : trimmed(line.substr(equals + 1));
        bool whole = false;
        bool ok = false;
        if (name == "vollbild") {
            ok = yes_no(value, &read.fullscreen);
        } else if (name == "ganzzahlig") {
            ok = yes_no(value, &whole);
            read.scaling = whole ? Scaling::WholeFactors : Scaling::Fill;
        } else if (name == "fenster") {
            ok = window_size(value, &read.window_w, &read.window_h);
        }
        if (!ok) {
            *settings = DisplaySettings{};
            *problem = "ist beschädigt: Zeile " + std::to_string(number) + " ist unverständlich";
            return false;
        }
    }
    *settings = read;
    return true;
}

std::string FormatSettings(const DisplaySettings& s) {
    std::string text =
        "# ferrow: Einstellungen für den nächsten Start\n"
        "# vollbild = ja oder nein (Alt+Eingabe wechselt beim Spielen)\n"
        "# ganzzahlig = ja: nur um ganze Faktoren vergrößert, mit schwarzen Rändern\n"
        "# fenster = Breite x Höhe des Fensters\n";
    text += std::string("vollbild = ") + (s.fullscreen ? "ja" : "nein") + "\n";
    text += std::string("ganzzahlig = ") + (s.scaling == Scaling::WholeFactors ? "ja" : "nein") + "\n";
    if (s.window_w > 0 && s.window_h > 0)
        text += "fenster = " + std::to_string(s.window_w) + " x " + std::to_string(s.window_h) + "\n";
    return text;
}

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
