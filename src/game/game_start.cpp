#include "game/game_flow.h"
#include "shell/data_paths.h"
#include "shell/fatal_report.h"

void spielstart() {
    if (programmendet) return;
    basisordnerholen();
    datenordnersetzen("set0");
}

void logozeigen() {}
