#include "game/scene.h"

#include "base/fatal_report.h"
#include "base/random_numbers.h"
#include "graphics/display.h"
#include "graphics/graphics_store.h"
#include "graphics/picture_numbers.h"
#include "layers/layer_database.h"
#include "layers/layer_numbers.h"

namespace {

// How a row of the scene is built.
enum class Art {
    Bild,       // a still image
    Versteckt,  // a still image the game shows when it needs it
    Objekt,     // an object that stands still, bound to an image slot
    Palme,      // a trunk (the row's picture) with up to five crown parts
};

constexpr int kKeins = -1;
constexpr int kWaffenbasis = 432;

struct Teil {
    Art art;
    int layer, bild, x, y;
    int extra = kKeins;  // an object's start frame; the crown part a palm lacks
};

// Still images: the sea, a reflection and the wave strip, then the head-up
// display and the logo, whose slot numbers layers/layer_numbers.h names.
constexpr Teil kStandbilder[] = {
    {Art::Bild, kLayerMeer, kBildWasser, 0, 250},
    {Art::Bild, kLayerInseln, kBildSpiegelung, 870, 275},
    {Art::Bild, kLayerMeer, kBildWelle, 0, 245},
    {Art::Versteckt, kLayerHud, kBildHighscore, 130, 32},
    {Art::Versteckt, kLayerHud, kBildLeertaste, 135, 300},
    {Art::Bild, kLayerHud, kBildInfo, 5, 430},
    {Art::Versteckt, kLayerHud, kBildCountdown, 280, 160},
    {Art::Versteckt, kLayerLogo, kBildLogo, 150, 160},
};

// Everything else that stands in the scene, in the order it is built: the
// order fixes the slot and object numbers and which random start frame
// each frond and surf takes.
constexpr Teil kLandschaft[] = {
    // Sun, raft (in its middle view), reflections, the gun.
    {Art::Objekt, kLayerHimmel, kBildSonne, 80, -40},
    {Art::Objekt, kLayerFloss, kBildFloss, 280, 405, 4},
    {Art::Bild, kLayerHuelsen, kBildSpiegelung, 230, 440},
    {Art::Bild, kLayerHuelsen, kBildSpiegelung, 209, 390},
    {Art::Objekt, kLayerGewehr, kBildGewehr, 340, kWaffenbasis},
    // The lighthouse island.
    {Art::Objekt, kLayerLeuchtturm, kBildLeuchtturm, 2000, 30},
    {Art::Palme, kLayerLeuchtturm, kBildStammKlein, 2080, 210},
    {Art::Objekt, kLayerLeuchtturm, kBildStrauch, 2000, 33},
    {Art::Objekt, kLayerLeuchtturm, kBildStrauch, 2020, 3},
    // The sun's eyes.
    {Art::Objekt, kLayerHimmel, kBildAugeOffen, 98, -20},
    {Art::Objekt, kLayerHimmel, kBildAugeOffen, 108, -20},
    // Islands with their surf, and the water at the lighthouse.
    {Art::Objekt, kLayerInseln, kBildInselFlach, 115, 102},
    {Art::Bild, kLayerInseln, kBildBrandung, 100, 270},
    {Art::Objekt, kLayerInselnNah, kBildInselFels, -100, 32},
    {Art::Bild, kLayerInselnNah, kBildBrandung, -120, 333},
    {Art::Objekt, kLayerLeuchtturm, kBildLeuchtturmwasser, 1988, 325},
    {Art::Objekt, kLayerInseln, kBildInselFlach, -765, 102},
    {Art::Bild, kLayerInseln, kBildBrandung, -780, 270},
    {Art::Objekt, kLayerInselnNah, kBildInselFels, 2400, 2},
    {Art::Bild, kLayerInselnNah, kBildBrandung, 2370, 304},
    {Art::Objekt, kLayerInseln, kBildInselFlach, 835, 92},
    {Art::Bild, kLayerInseln, kBildBrandung, 820, 260},
    // Palm trees, bushes and signs.
    {Art::Palme, kLayerInseln, kBildStammKlein, 295, 130, kBildWedelRechts},
    {Art::Palme, kLayerInseln, kBildStammKlein, 245, 100},
    {Art::Palme, kLayerInselnNah, kBildStammGross, -100, 110, kBildWedelUntenLinks},
    {Art::Palme, kLayerInselnNah, kBildStammGross, 0, 60},
    {Art::Palme, kLayerInselnNah, kBildStammKlein, 65, 105, kBildWedelRechts},
    {Art::Palme, kLayerInseln, kBildStammGross, -720, 30},
    {Art::Palme, kLayerInseln, kBildStammKlein, -685, 80},
    {Art::Palme, kLayerInseln, kBildStammKlein, -555, 110},
    {Art::Objekt, kLayerInseln, kBildStrauch, -700, 180},
    {Art::Objekt, kLayerInseln, kBildStrauch, -730, 150},
    {Art::Objekt, kLayerInseln, kBildSchild, 830, 150},
    {Art::Palme, kLayerInseln, kBildStammGross, 845, 30},
    {Art::Palme, kLayerInseln, kBildStammKlein, 1010, 80},
    {Art::Palme, kLayerInseln, kBildStammKlein, 875, 110},
    {Art::Objekt, kLayerInselnNah, kBildSchild, 2440, 20},
    {Art::Palme, kLayerInselnNah, kBildStammGross, 2365, 110},
    {Art::Palme, kLayerInselnNah, kBildStammGross, 2400, 20},
    {Art::Palme, kLayerInselnNah, kBildStammKlein, 2575, 110},
};

// Scroll steps (x, y) of the twenty layers: near layers slide faster than far ones.
constexpr int kSchritt[_layerdatenbank::kLayer][2] = {
    {0, 0},  {0, 0}, {6, 4},  {7, 4},  {0, 4}, {7, 4}, {0, 8}, {11, 5}, {13, 6}, {15, 7},
    {0, 0},  {0, 6}, {16, 6}, {0, 6},  {0, 6}, {0, 5}, {0, 0}, {0, 6},  {0, 0},  {0, 0}};

// A palm tree: a trunk and up to five crown parts around the anchor. The
// crown parts start at a random frame, so trees do not sway in step.
void palme(int layer, int x, int y, int stamm, int ohne) {
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
void bauen(const Teil& t) {
    if (programmendet) return;
    _layerdaten* l = layerdatenbank.layerdaten[t.layer];
    switch (t.art) {
        case Art::Bild: layerdatenbank.addbild(t.layer, t.bild, t.x, t.y); break;
        case Art::Versteckt:
            // A still image always takes the layer's next slot.
            if (!layerdatenbank.addbild(t.layer, t.bild, t.x, t.y)) l->bilder[l->bilderanzahl - 1].belegt = 0;
            break;
        case Art::Objekt: startframe(t.layer, objekt(t.layer, t.bild, t.x, t.y), t.extra); break;
        case Art::Palme: palme(t.layer, t.x, t.y, t.bild, t.extra); break;
    }
}

}  // namespace

std::int32_t objekt(int layer, int bild, int x, int y, std::initializer_list<std::pair<parameter, int>> werte) {
    if (programmendet) return -1;
    std::int32_t block[kParameter] = {};
    for (const auto& [slot, wert] : werte) block[slot] = wert;
    return layerdatenbank.addobject(block, layer, bild, x, y);
}

void startframe(int layer, std::int32_t objektnummer, int frame) {
    if (objektnummer == -1 || frame == kKeins || programmendet) return;
    _layerdaten* l = layerdatenbank.layerdaten[layer];
    l->bilder[l->ereigniss[objektnummer]->instanz].actualframe = frame;
}

void szeneaufbauen(std::int32_t wiederholung) {
    if (wiederholung == 0) {
        layerdatenbank.init(lpdd, lpddsprimary, lpddsback);
        for (int i = 0; i < _layerdatenbank::kLayer; ++i)
            if (layerdatenbank.Setlayerdaten(&grafikdatenbank)) return;
    }
    for (const Teil& t : kStandbilder) bauen(t);
    // One cartridge per shot left, shown by the game flow.
    for (int k = 0; k < kPatronenplaetze; ++k) bauen({Art::Versteckt, kLayerHud, kBildPatrone, 580 - 15 * k, 447});
    for (const Teil& t : kLandschaft) bauen(t);
    waffenbasis = kWaffenbasis;
    if (programmendet) return;
    for (int l = 0; l < _layerdatenbank::kLayer; ++l) layerdatenbank.setpixelplus(l, kSchritt[l][0], kSchritt[l][1]);

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
