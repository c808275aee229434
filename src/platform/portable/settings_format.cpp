#include "platform/portable/settings_format.h"

#include <cstdio>
#include <sstream>

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

}  // namespace platform
