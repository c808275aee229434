#include "game/scene.h"

#include "base/fatal_report.h"
#include "base/random_numbers.h"
#include "graphics/display.h"
#include "graphics/graphics_store.h"
#include "graphics/picture_numbers.h"
#include "layers/layer_database.h"
#include "layers/layer_numbers.h"

namespace {

// A palm tree: a trunk and up to five crown parts around the anchor. The
// crown parts start at a random frame, so trees do not sway in step.
void palme(int layer, int x, int y, int stamm, int ohne = -1) {
    if (stamm == kBildStammKlein) objekt(layer, kBildStammKlein, x, y);
    else objekt(layer, kBildStammGross, x + 15, y + 2);
    const struct {
        int bild, dx, dy;
    } krone[] = {{kBildWedelLinks, -20, 0}, {kBildWedelRechts, 20, 0}, {kBildWedelUntenLinks, -20, 4},
                 {kBildWedelOben, 10, 0},   {kBildWedelVorne, 6, 10}};
    for (const auto& k : krone)
        if (k.bild != ohne) objekt(layer, k.bild, x + k.dx, y + k.dy);
}

// Once a report has ended the program the layers are gone: nothing more is
// added, hidden or framed, and no second report follows.
void bild(int layer, int bild, int x, int y) {
    if (!programmendet) layerdatenbank.addbild(layer, bild, x, y);
}

void verstecken(int layer, int slot) {
    if (!programmendet) layerdatenbank.layerdaten[layer]->bilder[slot].belegt = 0;
}


}  // namespace

std::int32_t objekt(int layer, int bild, int x, int y, std::initializer_list<std::pair<parameter, int>> werte) {
    if (programmendet) return -1;
    std::int32_t block[kParameter] = {};
    for (const auto& [slot, wert] : werte) block[slot] = wert;
    return layerdatenbank.addobject(block, layer, bild, x, y);
}

void startframe(int layer, std::int32_t objektnummer, int frame) {
    if (objektnummer == -1 || programmendet) return;
    _layerdaten* l = layerdatenbank.layerdaten[layer];
    l->bilder[l->ereigniss[objektnummer]->instanz].actualframe = frame;
}

void szeneaufbauen(std::int32_t wiederholung) {
    if (wiederholung == 0) {
        layerdatenbank.init(lpdd, lpddsprimary, lpddsback);
        for (int i = 0; i < _layerdatenbank::kLayer; ++i)
            if (layerdatenbank.Setlayerdaten(&grafikdatenbank)) return;
    }

    // Still images: sea, a reflection, the wave strip, and the head-up
    // display, which the game flow shows and hides by slot.
    bild(kLayerMeer, kBildWasser, 0, 250);
    bild(kLayerInseln, kBildSpiegelung, 870, 275);
    bild(kLayerMeer, kBildWelle, 0, 245);
    bild(kLayerHud, kBildHighscore, 130, 32);
    verstecken(kLayerHud, kSlotHighscore);
    bild(kLayerHud, kBildLeertaste, 135, 300);
    verstecken(kLayerHud, kSlotLeertaste);
    bild(kLayerHud, kBildInfo, 5, 430);
    bild(kLayerHud, kBildCountdown, 280, 160);
    verstecken(kLayerHud, kSlotCountdown);
    if (!programmendet) layerdatenbank.layerdaten[kLayerHud]->bilder[kSlotCountdown].actualframe = 0;
    for (int k = 0; k < kPatronenplaetze; ++k) bild(kLayerHud, kBildPatrone, 580 - 15 * k, 447);
    for (int k = 0; k < kPatronenplaetze; ++k) verstecken(kLayerHud, kSlotPatronen + k);
    bild(kLayerLogo, kBildLogo, 150, 160);
    verstecken(kLayerLogo, kSlotLogo);

    // Sun and raft (the raft in its middle view), reflections, the gun.
    objekt(kLayerHimmel, kBildSonne, 80, -40);
    startframe(kLayerFloss, objekt(kLayerFloss, kBildFloss, 280, 405), 4);
    bild(kLayerHuelsen, kBildSpiegelung, 230, 440);
    bild(kLayerHuelsen, kBildSpiegelung, 209, 390);
    objekt(kLayerGewehr, kBildGewehr, 340, 432);
    waffenbasis = 432;

    // The lighthouse island.
    objekt(kLayerLeuchtturm, kBildLeuchtturm, 2000, 30);
    palme(kLayerLeuchtturm, 2080, 210, kBildStammKlein);
    objekt(kLayerLeuchtturm, kBildStrauch, 2000, 33);
    objekt(kLayerLeuchtturm, kBildStrauch, 2020, 3);

    // The sun's eyes.
    objekt(kLayerHimmel, kBildAugeOffen, 98, -20);
    objekt(kLayerHimmel, kBildAugeOffen, 108, -20);

    // Islands with their surf, and the water at the lighthouse.
    objekt(kLayerInseln, kBildInselFlach, 115, 102);
    bild(kLayerInseln, kBildBrandung, 100, 270);
    objekt(kLayerInselnNah, kBildInselFels, -100, 32);
    bild(kLayerInselnNah, kBildBrandung, -120, 333);
    objekt(kLayerLeuchtturm, kBildLeuchtturmwasser, 1988, 325);
    objekt(kLayerInseln, kBildInselFlach, -765, 102);
    bild(kLayerInseln, kBildBrandung, -780, 270);
    objekt(kLayerInselnNah, kBildInselFels, 2400, 2);
    bild(kLayerInselnNah, kBildBrandung, 2370, 304);
    objekt(kLayerInseln, kBildInselFlach, 835, 92);
    bild(kLayerInseln, kBildBrandung, 820, 260);

    // Palm trees, bushes and signs.
    palme(kLayerInseln, 295, 130, kBildStammKlein, kBildWedelRechts);
    palme(kLayerInseln, 245, 100, kBildStammKlein);
    palme(kLayerInselnNah, -100, 110, kBildStammGross, kBildWedelUntenLinks);
    palme(kLayerInselnNah, 0, 60, kBildStammGross);
    palme(kLayerInselnNah, 65, 105, kBildStammKlein, kBildWedelRechts);
    palme(kLayerInseln, -720, 30, kBildStammGross);
    palme(kLayerInseln, -685, 80, kBildStammKlein);
    palme(kLayerInseln, -555, 110, kBildStammKlein);
    objekt(kLayerInseln, kBildStrauch, -700, 180);
    objekt(kLayerInseln, kBildStrauch, -730, 150);
    objekt(kLayerInseln, kBildSchild, 830, 150);
    palme(kLayerInseln, 845, 30, kBildStammGross);
    palme(kLayerInseln, 1010, 80, kBildStammKlein);
    palme(kLayerInseln, 875, 110, kBildStammKlein);
    objekt(kLayerInselnNah, kBildSchild, 2440, 20);
    palme(kLayerInselnNah, 2365, 110, kBildStammGross);
    palme(kLayerInselnNah, 2400, 20, kBildStammGross);
    palme(kLayerInselnNah, 2575, 110, kBildStammKlein);

    // Scroll steps: near layers slide faster than far ones.
    const int schritt[_layerdatenbank::kLayer][2] = {{0, 0},  {0, 0},  {6, 4},  {7, 4},  {0, 4},  {7, 4}, {0, 8},
                                                     {11, 5}, {13, 6}, {15, 7}, {0, 0},  {0, 6},  {16, 6}, {0, 6},
                                                     {0, 6},  {0, 5},  {0, 0},  {0, 6},  {0, 0},  {0, 0}};
    if (programmendet) return;
    for (int l = 0; l < _layerdatenbank::kLayer; ++l) layerdatenbank.setpixelplus(l, schritt[l][0], schritt[l][1]);

    zufallsszene();
}

void zufallsszene() {
    // Each draw is taken in the order written: the sequence is part of the game.
    for (int i = 0; i < 8; ++i) {
        int tempo = zufall(2) + 1;
        int y = zufall(420) - 200;
        int x = zufall(2200);
        startframe(kLayerHimmel, objekt(kLayerHimmel, kBildWolkeKlein, x, y, {{rechts, tempo}}), 8);
        y = zufall(350) - 200;
        x = zufall(2200);
        startframe(kLayerWolken, objekt(kLayerWolken, kBildWolkeGross, x, y, {{rechts, 1}}), 8);
        tempo = zufall(2) + 1;
        y = zufall(420) - 200;
        x = -zufall(2200);
        startframe(kLayerHimmel, objekt(kLayerHimmel, kBildWolkeKlein, x, y, {{rechts, tempo}}), 8);
        y = zufall(350) - 200;
        x = -zufall(2200);
        startframe(kLayerWolken, objekt(kLayerWolken, kBildWolkeGross, x, y, {{rechts, 1}}), 8);
    }
    for (int i = 0; i < 2; ++i) {
        const struct {
            int bild;
            parameter richtung;
            int seite;  // -1: starts left of the view, 1: right of it
        } schwarm[] = {{kBildRotRechts, rechts, -1}, {kBildRotLinks, links, -1}, {kBildRotRechts, rechts, 1},
                       {kBildRotLinks, links, 1},    {kBildSauRechts, rechts, -1}, {kBildSauLinks, links, -1},
                       {kBildSauRechts, rechts, 1},  {kBildSauLinks, links, 1}};
        for (const auto& sau : schwarm) {
            const int tempo = zufall(2) + 1;
            const int y = zufall(420) - 200;
            const int d = zufall(2200);
            objekt(kLayerSchweine, sau.bild, sau.seite * d, y, {{sau.richtung, tempo}});
        }
        if (zufall(3) == 0) {
            const int a = zufall(2000);
            const int b = zufall(1500);
            objekt(kLayerBoot, kBildBoot, a - b, 185, {{takt, 1}, {rechts, 1}});
        }
    }
}
