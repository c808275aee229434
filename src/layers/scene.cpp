#include "layers/scene.h"

#include "game/random_numbers.h"
#include "graphics/graphics_store.h"
#include "layers/layer_database.h"
#include "shell/display.h"
#include "shell/fatal_report.h"

namespace {

constexpr int kWolkeKlein = 40, kWolkeGross = 39;
constexpr int kStammKlein = 35, kStammGross = 54;

// A palm tree: a trunk and up to five crown parts around the anchor. The
// crown parts start at a random frame, so trees do not sway in step.
void palme(int layer, int x, int y, int stamm, int ohne = -1) {
    if (stamm == kStammKlein) objekt(layer, kStammKlein, x, y);
    else objekt(layer, kStammGross, x + 15, y + 2);
    const struct {
        int bild, dx, dy;
    } krone[] = {{49, -20, 0}, {36, 20, 0}, {38, -20, 4}, {50, 10, 0}, {37, 6, 10}};
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

std::int32_t r(int modulo) { return zufallszahl() % modulo; }

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
    bild(4, 0, 0, 250);
    bild(7, 17, 870, 275);
    bild(4, 7, 0, 245);
    bild(18, 66, 130, 32);
    verstecken(18, 0);
    bild(18, 67, 135, 300);
    verstecken(18, 1);
    bild(18, 68, 5, 430);
    bild(18, 71, 280, 160);
    verstecken(18, 3);
    if (!programmendet) layerdatenbank.layerdaten[18]->bilder[3].actualframe = 0;
    for (int k = 0; k < 8; ++k) bild(18, 22, 580 - 15 * k, 447);
    for (int slot = 4; slot < 12; ++slot) verstecken(18, slot);
    bild(19, 73, 150, 160);
    verstecken(19, 0);

    // Sun and raft (the raft in its middle view), reflections, the gun.
    objekt(2, 8, 80, -40);
    startframe(6, objekt(6, 2, 280, 405), 4);
    bild(17, 17, 230, 440);
    bild(17, 17, 209, 390);
    objekt(16, 43, 340, 432);
    waffenbasis = 432;

    // The lighthouse island.
    objekt(12, 30, 2000, 30);
    palme(12, 2080, 210, kStammKlein);
    objekt(12, 47, 2000, 33);
    objekt(12, 47, 2020, 3);

    // The sun's eyes.
    objekt(2, 52, 98, -20);
    objekt(2, 52, 108, -20);

    // Islands with their surf, and the water at the lighthouse.
    objekt(7, 44, 115, 102);
    bild(7, 46, 100, 270);
    objekt(9, 45, -100, 32);
    bild(9, 46, -120, 333);
    objekt(12, 32, 1988, 325);
    objekt(7, 44, -765, 102);
    bild(7, 46, -780, 270);
    objekt(9, 45, 2400, 2);
    bild(9, 46, 2370, 304);
    objekt(7, 44, 835, 92);
    bild(7, 46, 820, 260);

    // Palm trees, bushes and signs.
    palme(7, 295, 130, kStammKlein, 36);
    palme(7, 245, 100, kStammKlein);
    palme(9, -100, 110, kStammGross, 38);
    palme(9, 0, 60, kStammGross);
    palme(9, 65, 105, kStammKlein, 36);
    palme(7, -720, 30, kStammGross);
    palme(7, -685, 80, kStammKlein);
    palme(7, -555, 110, kStammKlein);
    objekt(7, 47, -700, 180);
    objekt(7, 47, -730, 150);
    objekt(7, 69, 830, 150);
    palme(7, 845, 30, kStammGross);
    palme(7, 1010, 80, kStammKlein);
    palme(7, 875, 110, kStammKlein);
    objekt(9, 69, 2440, 20);
    palme(9, 2365, 110, kStammGross);
    palme(9, 2400, 20, kStammGross);
    palme(9, 2575, 110, kStammKlein);

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
        int tempo = r(2) + 1;
        int y = r(420) - 200;
        int x = r(2200);
        startframe(2, objekt(2, kWolkeKlein, x, y, {{rechts, tempo}}), 8);
        y = r(350) - 200;
        x = r(2200);
        startframe(5, objekt(5, kWolkeGross, x, y, {{rechts, 1}}), 8);
        tempo = r(2) + 1;
        y = r(420) - 200;
        x = -r(2200);
        startframe(2, objekt(2, kWolkeKlein, x, y, {{rechts, tempo}}), 8);
        y = r(350) - 200;
        x = -r(2200);
        startframe(5, objekt(5, kWolkeGross, x, y, {{rechts, 1}}), 8);
    }
    for (int i = 0; i < 2; ++i) {
        const struct {
            int bild;
            parameter richtung;
            int seite;  // -1: starts left of the view, 1: right of it
        } schwarm[] = {{26, rechts, -1}, {25, links, -1}, {26, rechts, 1}, {25, links, 1},
                       {13, rechts, -1}, {9, links, -1},  {13, rechts, 1}, {9, links, 1}};
        for (const auto& sau : schwarm) {
            const int tempo = r(2) + 1;
            const int y = r(420) - 200;
            const int d = r(2200);
            objekt(8, sau.bild, sau.seite * d, y, {{sau.richtung, tempo}});
        }
        if (r(3) == 0) {
            const int a = r(2000);
            const int b = r(1500);
            objekt(3, 70, a - b, 185, {{takt, 1}, {rechts, 1}});
        }
    }
}
