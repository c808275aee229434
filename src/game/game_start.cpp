#include "game/game_flow.h"
#include "game/random_numbers.h"
#include "graphics/catalogue.h"
#include "platform/clock.h"
#include "shell/data_paths.h"
#include "shell/display.h"
#include "shell/fatal_report.h"
#include "sound/sound_slots.h"
#include "text/highscore_table.h"

void spielstart() {
    if (programmendet) return;
    zufallsstart(std::uint32_t(platform::CalendarSeconds()));
    punkte = 0;
    basisordnerholen();
    datenordnersetzen("set0");
    soundsetladen();
    soundschleife(soundpuffer[10]);
    soundschleife(soundpuffer[17]);
    grafikkatalog();
    if (!programmendet) highscore.init(lpdd, lpddsprimary, lpddsback);
}

void logozeigen() {}
