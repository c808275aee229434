#include "base/fatal_report.h"
#include "game/game_flow.h"
#include "game/random_spawner.h"
#include "graphics/display.h"
#include "graphics/graphics_store.h"
#include "layers/layer_database.h"
#include "layers/mouse_position.h"
#include "platform/keys.h"
#include "platform/portable/presentation.h"
#include "text/highscore_table.h"

using platform::IsKeyDown;

std::uint8_t spiellaeuft = 0;
std::uint8_t eingabefertig = 0;
std::uint8_t spielendeerledigt = 0;

namespace {

// How near the pointer must come to a screen edge to scroll that way.
constexpr int kScrollrand = 4;

// Arrow keys or the mouse resting at a screen edge; each direction on its
// own, so a corner scrolls both ways.
void scrollen() {
    if (IsKeyDown(platform::VK_LEFT) || mausx < kScrollrand) layerdatenbank.scrolllinks();
    if (IsKeyDown(platform::VK_RIGHT) || mausx > platform::kImageWidth - kScrollrand) layerdatenbank.scrollrechts();
    if (IsKeyDown(platform::VK_UP) || mausy < kScrollrand) layerdatenbank.scrollhoch();
    if (IsKeyDown(platform::VK_DOWN) || mausy > platform::kImageHeight - kScrollrand) layerdatenbank.scrollrunter();
}

}  // namespace

void spielschritt() {
    if (programmendet) return;
    if (spiellaeuft == 0) {
        countdown();
        seitenumschaltung();
        return;
    }
    zufallsobjekte();
    layerdatenbank.ruckelschritt();
    layerdatenbank.punkteanzeige();
    layerdatenbank.wellengang();
    spieluhr();
    // A spawn or a digit that could not be made has ended the program and
    // released the layers; scrolling and the table must not follow.
    if (programmendet) return;
    // Back to the name entry; a running game is given up without an entry.
    if (IsKeyDown(platform::VK_F1) || IsKeyDown(platform::VK_SPACE)) eingabefertig = 0;
    scrollen();
    if (IsKeyDown(platform::VK_F2)) {
        highscore.zuruecksetzen();
        highscore.auswerten();
    }
    flaecheloeschen(lpddsback, kHintergrundfarbe);
    layerdatenbank.allezeichnen(&grafikdatenbank);
    if (programmendet) return;
    if (eingabefertig == 0) namensphase();
    if (restzeit == 0) {
        if (spielendeerledigt == 0) {
            highscore.tabellenpunkte[_highscore::kSpieler] = punkte;
            highscore.auswerten();
            // Stored at once: a browser tab is closed without the Escape path,
            // and a result must not wait for the program's end to be kept.
            highscore.schreiben();
            spielendeerledigt = 1;
        }
        highscore.zeigen();
        // A text whose drawing reported has ended the program with the layers.
        if (programmendet) return;
        layerdatenbank.layerdaten[kLayerHud]->bilder[kSlotHighscore].belegt = 1;
        layerdatenbank.layerdaten[kLayerHud]->bilder[kSlotLeertaste].belegt = 1;
    }
    seitenumschaltung();
}
