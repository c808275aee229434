#include "game/game_flow.h"
#include "shell/display.h"
#include "shell/fatal_report.h"

void spielschritt() {
    if (programmendet) return;
    flaecheloeschen(lpddsback, kHintergrundfarbe);
    seitenumschaltung();
}
