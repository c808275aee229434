#include "layers/layer_database.h"

std::int32_t wellenzaehler = 0;
std::int32_t wellenschritte = 0;
std::int32_t wellenrichtung = 0;

void _layerdatenbank::ruckelschritt() {
    if (ruckeln <= 0) return;
    --ruckeln;
    for (int n = 0; n < anzahl; ++n)
        if (layerdaten[n]) layerdaten[n]->scrolly -= 1;
}

void _layerdatenbank::wellengang() {
    if (++wellenzaehler < wellentakt) return;
    wellenzaehler = 0;
    // Every layer but the last (the title logo) rocks with the sea.
    if (wellenschritte < wellenhub && wellenrichtung == 0) {
        ++wellenschritte;
        for (int n = 0; n < anzahl - 1; ++n) layerdaten[n]->scrolly += 1;
        if (wellenschritte == wellenhub) {
            wellenrichtung = 1;
            wellenschritte = 0;
        }
    }
    // Runs in the same call that just turned round, so the turn-around step
    // adds and takes back one pixel at once.
    if (wellenschritte < wellenhub && wellenrichtung == 1) {
        ++wellenschritte;
        for (int n = 0; n < anzahl - 1; ++n) layerdaten[n]->scrolly -= 1;
        if (wellenschritte == wellenhub) {
            wellenrichtung = 0;
            wellenschritte = 0;
        }
    }
}
