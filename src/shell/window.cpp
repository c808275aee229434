#include "game/game_flow.h"
#include "platform/window.h"
#include "shell/display.h"
#include "shell/fatal_report.h"
#include "shell/main_loop.h"
#include "sound/sound_slots.h"

platform::Window* hauptfenster = nullptr;

int initfenster() {
    platform::Cursor* cursor = platform::LoadCursor("cursor");
    platform::Icon* icon = platform::LoadIcon("iconi");
    hauptfenster = platform::CreateWindow("ferrow", icon, cursor);
    if (!hauptfenster) {
        // Without a display there is no window to play in; say so rather than
        // end as if all went well.
        fehlerbox("Keine Anzeige gefunden: Das Fenster konnte nicht geöffnet werden");
        return 0;
    }
    // The first focus event may never come; start from what the window is.
    programmaktiv = platform::IsWindowActive(hauptfenster) ? 1 : 0;

    if (initdirectdraw(hauptfenster) != 0) fehlerbox("Fehler bei DirectDrawInit (id:00)");
    if (!programmendet && initdirectsound() != 0) fehlerbox("Fehler bei DirectSoundInit (id:01)");
    if (!programmendet) spielstart();
    return 1;
}
