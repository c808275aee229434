// The display settings kept between runs, in a small text file the player
// may also edit: full screen or a window, whole-factor scaling, and the
// window's size. One "name = value" line each; '#' starts a comment.
#pragma once
#include <string>

#include "platform/presentation.h"

namespace platform {

struct DisplaySettings {
    bool fullscreen = true;
    Scaling scaling = Scaling::Fill;
    int window_w = 0, window_h = 0;  // 0: none kept yet
    bool operator==(const DisplaySettings& o) const {
        return fullscreen == o.fullscreen && scaling == o.scaling && window_w == o.window_w && window_h == o.window_h;
    }
    bool operator!=(const DisplaySettings& o) const { return !(*this == o); }
};

// The file's text; false, the defaults and what is wrong in `problem` (a
// predicate: "ist beschädigt: …") when a line is not one of the settings
// with a value it can have.
bool ParseSettings(const std::string& text, DisplaySettings* settings, std::string* problem);
std::string FormatSettings(const DisplaySettings& settings);

// False, with the defaults and a predicate saying why ("fehlt", "ist nicht
// lesbar (…)"), for a file that is missing, cannot be read or is damaged.
bool ReadSettingsFile(const std::string& path, DisplaySettings* settings, std::string* problem);
// Writes a temporary file beside it and renames it over the old one, so
// that no half-written file is ever left; false with the reason.
bool WriteSettingsFile(const std::string& path, const DisplaySettings& settings, std::string* problem);

// Where the file lives: $XDG_CONFIG_HOME/ferrow/settings (by default
// ~/.config/ferrow/settings), %APPDATA%\ferrow\settings on Windows; empty
// where neither is known.
std::string SettingsPath();

}  // namespace platform
