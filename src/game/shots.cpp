#include "game/game_flow.h"

#include "graphics/graphics_store.h"
#include "layers/layer_database.h"
#include "shell/main_loop.h"

std::int32_t punkte = 0;
std::int32_t schuesse = 0;
std::int32_t magazin = 8;

void schuss() {
    if (schuesse > 0) {
        --schuesse;
        layerdatenbank.schiessen(&grafikdatenbank, klickx, klicky);
    }
}

void nachladen() {
    // Only an empty magazine is refilled.
    if (schuesse <= 0) schuesse = magazin;
}
