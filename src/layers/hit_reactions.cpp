#include "game/game_flow.h"
#include "graphics/graphics_store.h"
#include "layers/digit_displays.h"
#include "layers/layer.h"
#include "layers/sound_requests.h"
#include "shell/fatal_report.h"

namespace {

constexpr std::int32_t kKein = -1;

// Where the follow-up and the points appear: centred on the click, or at the
// hit object's own corner (boats and eyes keep their place).
enum class Lage { Klick, Objekt, ObjektHoeher };
enum class Zuerst { Punkte, Folge };

struct Folgewert {
    int slot;
    std::int32_t wert;
};

struct Reaktion {
    std::int32_t bild;
    bool endet;
    std::int32_t punkte;
    Lage lage;
    Zuerst zuerst;
    std::int32_t folgebild;  // kKein: nothing follows
    Folgewert werte[4];      // the follow-up's parameters; the rest are 0
    int sound;               // kKein: silent
};

// What each picture does when it is hit. Scenery stays and costs points;
// pigs fall, splat or splash; boats lose their pig; leaves are torn off.
constexpr Reaktion kReaktionen[] = {
    { 2, false,  -3, Lage::Klick,        Zuerst::Punkte, 31, {{takt, 1}, {lebensdauer, 18}, {bogenrechts, 1}}, 7},
    { 8, false, -20, Lage::Objekt,       Zuerst::Punkte, kKein, {}, 7},
    { 9, true,   10, Lage::Klick,        Zuerst::Folge,  15, {{runter, 2}}, 15},
    {11, true,   20, Lage::Klick,        Zuerst::Folge,  16, {{runter, 1}}, 4},
    {12, true,   20, Lage::Klick,        Zuerst::Folge,  16, {{runter, 1}}, 4},
    {13, true,   10, Lage::Klick,        Zuerst::Folge,  15, {{runter, 2}}, 15},
    {15, true,   15, Lage::Klick,        Zuerst::Folge,  19, {{lebensdauer, 30}, {runter, 2}}, kKein},
    {16, true,   25, Lage::Klick,        Zuerst::Punkte, 20, {{lebensdauer, 30}, {runter, 1}}, kKein},
    {24, true,   20, Lage::Klick,        Zuerst::Punkte, 19, {{lebensdauer, 30}, {runter, 1}}, 3},
    {25, true,   15, Lage::Klick,        Zuerst::Punkte, 24, {{takt, 1}, {bahn, 1}, {runter, 3}}, 15},
    {26, true,   15, Lage::Klick,        Zuerst::Punkte, 24, {{takt, 1}, {bahn, 1}, {runter, 3}}, 15},
    {27, true,   30, Lage::Klick,        Zuerst::Punkte, 20, {{takt, 1}, {lebensdauer, 30}, {bahn, 1}, {runter, 1}}, 3},
    {28, true,   25, Lage::Klick,        Zuerst::Punkte, 27, {{takt, 2}, {bahn, 1}, {runter, 2}}, 4},
    {29, true,   25, Lage::Klick,        Zuerst::Punkte, 27, {{takt, 2}, {bahn, 1}, {runter, 2}}, 4},
    {30, false,  -5, Lage::Klick,        Zuerst::Punkte, 31, {{takt, 1}, {lebensdauer, 18}, {bogenrechts, 1}}, 7},
    {33, true,  -50, Lage::Klick,        Zuerst::Punkte, 34, {{lebensdauer, 30}}, 8},
    {35, false,  -3, Lage::Klick,        Zuerst::Punkte, 31, {{takt, 1}, {lebensdauer, 18}, {bogenrechts, 1}}, 7},
    {44, false,  -3, Lage::Klick,        Zuerst::Punkte, 31, {{takt, 1}, {lebensdauer, 18}, {bogenrechts, 1}}, 7},
    {45, false,  -3, Lage::Klick,        Zuerst::Punkte, 31, {{takt, 1}, {lebensdauer, 18}, {bogenrechts, 1}}, 7},
    {54, false,  -3, Lage::Klick,        Zuerst::Punkte, 31, {{takt, 1}, {lebensdauer, 18}, {bogenrechts, 1}}, 7},
    {36, true,    1, Lage::Klick,        Zuerst::Punkte, 51, {{takt, 1}, {lebensdauer, 15}, {rechts, 1}, {runter, 1}}, 7},
    {37, true,    1, Lage::Klick,        Zuerst::Punkte, 51, {{takt, 1}, {lebensdauer, 15}, {rechts, 1}, {runter, 1}}, 7},
    {38, true,    1, Lage::Klick,        Zuerst::Punkte, 51, {{takt, 1}, {lebensdauer, 15}, {rechts, 1}, {runter, 1}}, 7},
    {49, true,    1, Lage::Klick,        Zuerst::Punkte, 51, {{takt, 1}, {lebensdauer, 15}, {rechts, 1}, {runter, 1}}, 7},
    {50, true,    1, Lage::Klick,        Zuerst::Punkte, 51, {{takt, 1}, {lebensdauer, 15}, {rechts, 1}, {runter, 1}}, 7},
    {47, true,    1, Lage::Klick,        Zuerst::Punkte, 51, {{takt, 1}, {lebensdauer, 15}, {rechts, 1}, {runter, 1}}, 7},
    {39, true,    2, Lage::Klick,        Zuerst::Punkte, 39, {{bogenrechts, 1}, {bahn, 3}}, 9},
    {40, true,    3, Lage::Klick,        Zuerst::Punkte, 40, {{bogenrechts, 1}, {bahn, 3}}, 9},
    {43, false, -45, Lage::Klick,        Zuerst::Folge,  31, {{takt, 1}, {lebensdauer, 18}, {rechts, 2}, {hoch, 1}}, 7},
    {52, true,   10, Lage::Objekt,       Zuerst::Folge,  53, {}, 7},
    {53, true,   20, Lage::Objekt,       Zuerst::Folge,  65, {}, 7},
    {57, true,   18, Lage::Objekt,       Zuerst::Punkte, 60, {{rechts, 3}, {lebensdauer, 38}}, 11},
    {58, true,   18, Lage::Objekt,       Zuerst::Punkte, 59, {{links, 3}, {lebensdauer, 38}}, 11},
    {61, true,   32, Lage::Objekt,       Zuerst::Punkte, 64, {{rechts, 2}, {lebensdauer, 38}}, 11},
    {62, true,   32, Lage::Objekt,       Zuerst::Punkte, 63, {{links, 2}, {lebensdauer, 38}}, 11},
    {69, false, -15, Lage::Klick,        Zuerst::Folge,  31, {{takt, 1}, {links, 2}, {lebensdauer, 18}, {hoch, 1}}, 7},
    {70, true,   25, Lage::ObjektHoeher, Zuerst::Punkte, 72, {{lebensdauer, 102}}, 11},
};

const Reaktion* reaktion(std::int32_t bild) {
    for (const Reaktion& r : kReaktionen)
        if (r.bild == bild) return &r;
    return nullptr;
}

}  // namespace

void _layerdaten::treffer(_grafikdatenbank* datenbank, std::int32_t index, std::int32_t mx, std::int32_t my) {
    const Ereigniss& o = *ereigniss[index];
    const Bildplatz& s = bilder[o.instanz];
    const Reaktion* r = reaktion(s.bild);
    if (!r) return;
    // Taken before the follow-up may reuse the object's record and slot.
    const std::int32_t layer = o.layernummer;
    const std::int32_t ox = std::int32_t(s.x), oy = std::int32_t(s.y);

    if (r->endet) beenden(index);

    std::int32_t x = ox, y = oy;
    if (r->lage == Lage::Klick) {
        std::int32_t breite = 0, hoehe = 0;
        if (r->folgebild != kKein) {
            breite = datenbank->grafikdaten[r->folgebild]->framebreite;
            hoehe = datenbank->grafikdaten[r->folgebild]->framehoehe;
        }
        x = scrollx + mx - breite / 2;
        y = scrolly + my - hoehe / 2;
    } else if (r->lage == Lage::ObjektHoeher) {
        y = oy - 20;
    }

    const auto folgen = [&] {
        if (r->folgebild == kKein) return;
        std::int32_t block[kParameter] = {};
        for (const Folgewert& w : r->werte) block[w.slot] = w.wert;
        addereigniss(block, layer, r->folgebild, x, y);
    };
    // Either may end the program, which releases this layer.
    if (r->zuerst == Zuerst::Folge) folgen();
    if (programmendet) return;
    if (r->punkte != 0) trefferpunkte(layer, x, y, r->punkte);
    if (programmendet) return;
    if (r->zuerst == Zuerst::Punkte) folgen();
    if (programmendet) return;

    if (r->sound != kKein) soundabspielen(r->sound);
}

void _layerdaten::trefferpunkte(std::int32_t layernr, std::int32_t x, std::int32_t y, std::int32_t wert) {
    punkte += wert;
    const Ziffernfolge z = ziffernfolge(wert);
    // Each digit rises a pixel a step and is gone after 45.
    std::int32_t block[kParameter] = {};
    block[lebensdauer] = 45;
    block[hoch] = 1;
    for (int k = 0; k < z.anzahl; ++k) {
        const std::int32_t nummer = addereigniss(block, layernr, kZiffernbild, x + kZiffernbreite * k, y - 5);
        if (programmendet) return;
        if (nummer != -1) bilder[ereigniss[nummer]->instanz].actualframe = z.frame(k);
    }
}
