#include "game/game_flow.h"
#include "shell/data_paths.h"
#include "shell/fatal_report.h"
#include "sound/sound_slots.h"

void spielstart() {
    if (programmendet) return;
    basisordnerholen();
    datenordnersetzen("set0");
    soundsetladen();
    soundschleife(soundpuffer[10]);
    soundschleife(soundpuffer[17]);
}

void logozeigen() {}
