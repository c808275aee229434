#include "graphics/display.h"
#include "graphics/graphics_store.h"
#include "layers/layer_database.h"
#include "shell/main_loop.h"
#include "sound/sound_slots.h"
#include "text/highscore_table.h"

void aufraeumen() {
    grafikdatenbank.freigeben();
    layerdatenbank.freigeben();
    highscore.freigeben();
    if (lpddsprimary) {
        // The back buffer and the palette go with the primary.
        lpddsprimary->Release();
        lpddsprimary = nullptr;
        lpddsback = nullptr;
        spielpalette = nullptr;
    }
    for (auto& puffer : soundpuffer) {
        if (puffer) {
            puffer->Release();
            puffer = nullptr;
        }
    }
    if (soundgeraet) {
        soundgeraet->Release();
        soundgeraet = nullptr;
    }
    if (lpdd) {
        lpdd->Release();
        lpdd = nullptr;
    }
}
