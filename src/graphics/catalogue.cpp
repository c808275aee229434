#include "graphics/catalogue.h"

#include <cstring>

#include "graphics/catalogue_table.h"
#include "graphics/display.h"
#include "graphics/graphics_store.h"
#include "platform/messages.h"

void grafikkatalog() {
    grafikdatenbank.init(lpdd, lpddsprimary, lpddsback);
    // One work record for every row: a value a row does not need keeps what
    // the row before left there.
    grafikdaten arbeit;
    for (const Katalogzeile& z : kKatalog) {
        arbeit.nummer = z.nummer;
        arbeit.breite = z.breite;
        arbeit.hoehe = z.hoehe;
        arbeit.framebreite = z.framebreite;
        arbeit.framehoehe = z.framehoehe;
        arbeit.frames = z.frames;
        arbeit.framezeilen = 1;
        arbeit.animiert = z.animiert;
        if (z.verzoegerung != kStill) arbeit.verzoegerung = z.verzoegerung;
        arbeit.transparent = z.transparent;
        std::strncpy(arbeit.name, z.name, sizeof arbeit.name - 1);
        // A failed registration has reported, and the shut-down emptied the
        // store: registering on would start it afresh on a released display.
        if (grafikdatenbank.setgrafikdaten(arbeit) != 0) return;
    }
    if (grafikdatenbank.loadgrafikdaten() == 1) platform::PostQuitMessage(0);
}
