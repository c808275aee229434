// The display settings kept between runs, in a small text file the player
// may also edit: full screen or a window, whole-factor scaling, and the
// window's size. One "name = value" line each; '#' starts a comment.
#pragma once
#include <string>

#include "platform/portable/presentation.h"

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

}  // namespace platform
