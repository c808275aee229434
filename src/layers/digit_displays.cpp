#include "layers/digit_displays.h"

#include <cstdio>

#include "base/fatal_report.h"
#include "layers/layer_database.h"
#include "layers/layer_numbers.h"
#include "layers/score.h"

std::int32_t punkteobjekte[7];
std::int32_t zeitobjekte[7];

namespace {

// Seven (or six) still digit objects in a row, blank to begin with.
void ziffernanlegen(_layerdatenbank& db, std::int32_t* objekte, int anzahl, std::int32_t x) {
    for (int i = 0; i < 7; ++i) objekte[i] = 0;
    const std::int32_t block[kParameter] = {};
    for (int i = 0; i < anzahl; ++i) {
        const std::int32_t nummer = db.addobject(block, kLayerZiffern, kBildZiffern, x + kZiffernbreite * i, 5);
        // A report on the way has ended the program and released the layers.
        if (programmendet) return;
        if (nummer == -1) {
            fehlerbox("freies Object =-1 ");
            return;  // the program is ending
        }
        _layerdaten* l = db.layerdaten[kLayerZiffern];
        l->bilder[l->ereigniss[nummer]->instanz].actualframe = kZifferLeer;
        objekte[i] = nummer;
    }
}

// A digit that could not be made keeps entry 0; without a digit layer or
// such a record there is nothing to set.
void zifferzeigen(_layerdatenbank& db, std::int32_t objekt, std::int32_t frame) {
    _layerdaten* l = db.layerdaten[kLayerZiffern];
    if (!l || objekt < 0 || objekt >= l->ereignissanzahl || !l->ereigniss[objekt]) return;
    l->bilder[l->ereigniss[objekt]->instanz].actualframe = frame;
}

}  // namespace

Ziffernfolge ziffernfolge(std::int32_t wert) {
    Ziffernfolge z{};
    std::snprintf(z.text, sizeof z.text, "%d", int(wert));
    z.anzahl = 1;
    if (wert > 9 || wert < -9) z.anzahl = 2;
    if (wert > 99 || wert < -99) z.anzahl = 3;
    if (wert > 999 || wert < -999) z.anzahl = 4;
    if (wert > 9999 || wert < -9999) z.anzahl = 5;
    if (z.text[0] == '-') ++z.anzahl;
    return z;
}

void _layerdatenbank::punkteanzeige() {
    if (programmendet) return;
    if (punkteinit == 0) {
        punkteinit = 1;
        ziffernanlegen(*this, punkteobjekte, 7, 510);
    }
    if (programmendet) return;
    const Ziffernfolge z = ziffernfolge(punkte);
    for (std::int32_t objekt : punkteobjekte) zifferzeigen(*this, objekt, kZifferLeer);
    // Right-aligned: the last character in the seventh digit.
    for (int k = 0, p = z.anzahl - 1; p >= 0; ++k, --p) zifferzeigen(*this, punkteobjekte[6 - k], z.frame(p));
}

void _layerdatenbank::zeitanzeige(std::int32_t wert) {
    if (programmendet) return;
    if (zeitinit == 0) {
        zeitinit = 1;
        ziffernanlegen(*this, zeitobjekte, 6, 15);
    }
    if (programmendet) return;
    const Ziffernfolge z = ziffernfolge(wert);
    // Left-aligned; every position not written is blanked, so no digit of a
    // longer earlier value stays behind.
    for (int p = 0; p < 6; ++p) zifferzeigen(*this, zeitobjekte[p], p < z.anzahl ? z.frame(p) : kZifferLeer);
}
