#include "base/fatal_report.h"
#include "base/random_numbers.h"
#include "graphics/graphics_store.h"
#include "graphics/picture_numbers.h"
#include "layers/layer.h"

_layerdaten::~_layerdaten() {
    for (Ereigniss*& e : ereigniss) {
        delete e;
        e = nullptr;
    }
}

// Fills slot n as a fresh picture: shown, frame 0, nothing drawn yet.
void _layerdaten::platzfuellen(int n, std::int32_t bild, std::int32_t x, std::int32_t y) {
    Bildplatz& p = bilder[n];
    p.belegt = 1;
    p.bild = bild;
    p.x = x;
    p.y = y;
    p.rechteck = platform::Rect{};
    p.blitx = p.blity = -1;
    p.actualframe = 0;
    p.verzoegerung = grafikdatenbank->grafikdaten[bild]->verzoegerung;
    p.framezaehler = p.zaehler = p.winkel = 0;
}

bool _layerdaten::addbild(std::int32_t bild, std::int32_t x, std::int32_t y) {
    if (bilderanzahl > kBildplaetze - 1) {
        fehlerbox("_layerdaten::addbild-Bilderanzahl zu groß");
        return true;
    }
    const int n = bilderanzahl;
    // Storage left from before a reset is made afresh.
    bilder[n] = Bildplatz{};
    speicher[n] = true;
    platzfuellen(n, bild, x, y);
    // Palm fronds and surf start at a random frame, so that neighbours do
    // not sway in step.
    const grafikdaten* p = grafikdatenbank->grafikdaten[bild];
    if (p->animiert && (bild == kBildWedelRechts || bild == kBildWedelVorne || bild == kBildWedelUntenLinks ||
                        bild == kBildBrandung || bild == kBildWedelLinks || bild == kBildWedelOben))
        bilder[n].actualframe = zufall(p->frames);
    ++bilderanzahl;
    return false;
}

bool _layerdaten::bildvergeben(std::int32_t index, std::int32_t bild, std::int32_t x, std::int32_t y) {
    Ereigniss* e = ereigniss[index];
    for (int i = 0; i < bilderanzahl; ++i) {
        if (speicher[i] && bilder[i].belegt == 0) {
            platzfuellen(i, bild, x, y);
            e->bild = bild;
            e->instanz = i;
            return false;
        }
    }
    // The report's shut-down deletes every layer, this one and its records too.
    if (addbild(bild, x, y)) return true;
    e->bild = bild;
    e->instanz = bilderanzahl - 1;
    return false;
}

void _layerdaten::zuruecksetzen() {
    for (int i = 0; i < bilderanzahl; ++i)
        if (speicher[i]) bilder[i].belegt = 0;
    for (int i = 0; i < ereignissanzahl; ++i)
        if (ereigniss[i]) ereigniss[i]->aktiv = false;
    bilderanzahl = 0;
}

void _layerdaten::framesvor() {
    if (++drehzaehler < drehtakt) return;
    drehzaehler = 0;
    for (int i = 0; i < bilderanzahl; ++i) {
        Bildplatz& p = bilder[i];
        if (++p.actualframe >= grafikdatenbank->grafikdaten[p.bild]->frames) --p.actualframe;
    }
}

void _layerdaten::framesrueck() {
    if (--drehzaehler > 0) return;
    drehzaehler = drehtakt;
    for (int i = 0; i < bilderanzahl; ++i) {
        Bildplatz& p = bilder[i];
        if (--p.actualframe < 0) ++p.actualframe;
    }
}
