#include "base/data_paths.h"
#include "base/fatal_report.h"
#include "base/random_numbers.h"
#include "game/game_flow.h"
#include "game/scene.h"
#include "graphics/catalogue.h"
#include "graphics/display.h"
#include "graphics/graphics_store.h"
#include "layers/layer_database.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/portable/frame_pacing.h"
#include "sound/sound_slots.h"
#include "text/highscore_table.h"

void spielstart() {
    if (programmendet) return;
    spiellaeuft = 1;
    eingabefertig = 0;
    spielendeerledigt = 0;
    zufallsstart(std::uint32_t(platform::CalendarSeconds()));
    punkte = 0;
    basisordnerholen();
    datenordnersetzen("set0");
    soundsetladen(datenordner);
    soundschleife(soundpuffer[kSoundMeer]);
    soundschleife(soundpuffer[kSoundMelodie]);
    grafikkatalog();
    if (programmendet) return;
    szeneaufbauen(0);
    if (programmendet) return;
    highscore.init(lpdd, lpddsprimary, lpddsback);
    logozeigen();
    layerdatenbank.allezeichnen(&grafikdatenbank);
    rundenstart();
}

void logozeigen() {
    if (programmendet || layerdatenbank.anzahl <= kLayerLogo) return;
    flaecheloeschen(lpddsback, kHintergrundfarbe);
    layerdatenbank.layerdaten[kLayerLogo]->bilder[kSlotLogo].belegt = 1;
    layerdatenbank.zeichnen(&grafikdatenbank, kLayerLogo);
    seitenumschaltung();
    // Held, but the window keeps answering its desktop meanwhile; what comes
    // in stays queued for the loop. A timedemo does not hold.
    const std::uint32_t anfang = platform::GetTickCount();
    while (platform::Paced() && std::uint32_t(platform::GetTickCount() - anfang) < kLogodauer && !programmendet) {
        platform::PumpEvents();
        platform::Sleep(10);
    }
    if (layerdatenbank.layerdaten[kLayerLogo]) layerdatenbank.layerdaten[kLayerLogo]->bilder[kSlotLogo].belegt = 0;
}
