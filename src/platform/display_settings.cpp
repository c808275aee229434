// The run's display settings: those kept in the settings file from the last
// run, the command line's choices over them for this run only, and what
// the player changes while playing, which is kept for the next.
#include <cstdio>
#include <optional>
#include <string>

#include "platform/internal.h"

namespace platform {
namespace {

std::optional<bool> g_windowed;
std::optional<Scaling> g_scaling;

struct Kept {
    std::string path;
    DisplaySettings read, now, run;
    bool open = false;
    bool rewrite = false;  // the file was missing or could not be used
    bool told = false;     // a line on stderr has said so: one a run is enough
};
Kept g_kept;

}  // namespace

void SetStartChoices(std::optional<bool> windowed, std::optional<Scaling> scaling) {
    g_windowed = windowed;
    g_scaling = scaling;
}

void SetWindowedStart(bool windowed) { g_windowed = windowed; }

namespace internal {

const DisplaySettings& OpenSettings() {
    g_kept = Kept{};
    g_kept.open = true;
    g_kept.path = SettingsPath();
    std::string problem;
    if (g_kept.path.empty()) {
        std::fputs("ferrow: Ohne XDG_CONFIG_HOME und HOME werden keine Einstellungen gespeichert.\n", stderr);
        g_kept.told = true;
    } else if (!ReadSettingsFile(g_kept.path, &g_kept.read, &problem)) {
        std::fprintf(stderr, "ferrow: Die Einstellungsdatei %s %s; es gelten die Vorgaben.\n", g_kept.path.c_str(),
                     problem.c_str());
        g_kept.rewrite = g_kept.told = true;
    }
    g_kept.now = g_kept.run = g_kept.read;
    if (g_windowed) g_kept.run.fullscreen = !*g_windowed;
    if (g_scaling) g_kept.run.scaling = *g_scaling;
    return g_kept.run;
}

const DisplaySettings& RunSettings() { return g_kept.run; }

void KeepFullscreen(bool fullscreen) { g_kept.now.fullscreen = g_kept.run.fullscreen = fullscreen; }

void KeepWindowSize(int w, int h) {
    if (w <= 0 || h <= 0) return;
    g_kept.now.window_w = g_kept.run.window_w = w;
    g_kept.now.window_h = g_kept.run.window_h = h;
}

void SaveSettings() {
    if (!g_kept.open || g_kept.path.empty()) return;
    g_kept.open = false;
    if (!g_kept.rewrite && g_kept.now == g_kept.read) return;
    std::string problem;
    if (!WriteSettingsFile(g_kept.path, g_kept.now, &problem) && !g_kept.told)
        std::fprintf(stderr, "ferrow: Die Einstellungsdatei %s ist nicht geschrieben worden (%s).\n",
                     g_kept.path.c_str(), problem.c_str());
}

}  // namespace internal
}  // namespace platform
