// The display settings' file: where it lives, read and written whole.
#pragma once
#include <string>

#include "platform/portable/settings_format.h"

namespace platform {

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
