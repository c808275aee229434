#include <cstdio>

#include "base/fatal_report.h"
#include "game/game_flow.h"
#include "graphics/display.h"
#include "platform/debug_output.h"
#include "platform/window.h"
#include "shell/fatal_report.h"
#include "shell/main_loop.h"
#include "sound/sound_slots.h"

platform::Window* hauptfenster = nullptr;

namespace {

// No video or no window is a display that could not be set up, told as the
// display's own set-up tells its failed steps.
int anzeigefehler(const char* schritt) {
    platform::OutputDebugString(schritt);
    fehlerbox("Fehler bei DirectDrawInit (id:00)");
    return 0;
}

}  // namespace

int initfenster() {
    fehlerberichtanbinden();
    if (!platform::StartVideo()) return anzeigefehler("Fehler bei DirectDrawInit->DirectDrawCreate");
    platform::Cursor* cursor = platform::LoadCursor("cursor");
    platform::Icon* icon = platform::LoadIcon("iconi");
    hauptfenster = platform::CreateWindow("ferrow", icon, cursor);
    // A window that could not be made, or not made to fill the screen.
    if (!hauptfenster) return anzeigefehler("Fehler bei DirectDrawInit->SetDisplayMode");
    // The first focus event may never come; start from what the window is.
    programmaktiv = platform::IsWindowActive(hauptfenster) ? 1 : 0;

    if (initdirectdraw(hauptfenster) != 0) fehlerbox("Fehler bei DirectDrawInit (id:00)");
    if (!programmendet && initdirectsound(hauptfenster) != 0) {
        fehlerbox("Fehler bei DirectSoundInit (id:01)");
        // The report names the step that failed; this says what helps.
        std::fputs("ferrow: Ohne Tongerät läuft das Spiel mit der Option --nosound (stumm).\n", stderr);
    }
    if (!programmendet) spielstart();
    return 1;
}
