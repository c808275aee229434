#include "base/fatal_report.h"
#include "base/random_numbers.h"
#include "game/game_flow.h"
#include "game/scene.h"
#include "graphics/display.h"
#include "graphics/graphics_store.h"
#include "layers/layer_database.h"
#include "layers/sound_requests.h"
#include "platform/clock.h"
#include "sound/sound_numbers.h"
#include "text/highscore_table.h"

std::int32_t countdownjetzt = 0, countdownletzt = 0;

namespace {

Bildplatz& hud(int slot) { return layerdatenbank.layerdaten[kLayerHud]->bilder[slot]; }

}  // namespace

void namensphase() {
    hud(kSlotHighscore).belegt = 0;
    hud(kSlotLeertaste).belegt = 0;
    restzeit = -1;
    uhrlaeuft = 0;
    if (highscore.nameneingabe() == 1) {
        spielendeerledigt = 0;
        punkte = 0;
        neuesspiel();
        eingabefertig = 1;
        spiellaeuft = 0;
        countdownjetzt = std::int32_t(platform::MonotonicSeconds());
        countdownletzt = countdownjetzt;
    }
}

void neuesspiel() {
    zufallsstart(std::uint32_t(platform::CalendarSeconds()));
    punkte = 0;
    layerdatenbank.neustart();
    szeneaufbauen(1);
}

void countdown() {
    flaecheloeschen(lpddsback, kCountdownfarbe);
    Bildplatz& zahl = hud(kSlotCountdown);
    zahl.belegt = 1;
    hud(kSlotInfo).belegt = 0;
    layerdatenbank.zeichnen(&grafikdatenbank, kLayerHud);
    // A drawing that reported has ended the program; the digit's slot is gone.
    if (programmendet) return;

    countdownjetzt = std::int32_t(platform::MonotonicSeconds());
    if (countdownjetzt != countdownletzt) {
        ++zahl.actualframe;
        if (zahl.actualframe >= 1 && zahl.actualframe <= 5) soundabspielen(kSoundTicken);
        if (zahl.actualframe > 5) {
            // "LOS!" has been shown for a second: play begins.
            zahl.actualframe = 0;
            zahl.belegt = 0;
            rundenstart();
            uhrlaeuft = 1;
            restzeit = 1;
            hud(kSlotInfo).belegt = 1;
            spiellaeuft = 1;
        }
    }
    countdownletzt = countdownjetzt;
}

void patronenanzeige() {
    if (!layerdatenbank.layerdaten[kLayerHud]) return;
    for (int k = 0; k < kMagazin; ++k) hud(kSlotPatronen + k).belegt = k < schuesse ? 1 : 0;
}
