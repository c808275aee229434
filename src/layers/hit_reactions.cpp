#include "base/fatal_report.h"
#include "graphics/graphics_store.h"
#include "graphics/picture_numbers.h"
#include "layers/digit_displays.h"
#include "layers/layer.h"
#include "layers/score.h"
#include "layers/sound_requests.h"
#include "sound/sound_numbers.h"

std::int32_t punkte = 0;

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
    {kBildFloss,               false,  -3, Lage::Klick,        Zuerst::Punkte,
     kBildStaub, {{takt, 1}, {lebensdauer, 18}, {bogenrechts, 1}}, kSoundQuerschlaeger},
    {kBildSonne,               false, -20, Lage::Objekt,       Zuerst::Punkte,
     kKein, {}, kSoundQuerschlaeger},
    {kBildSauLinks,            true,   10, Lage::Klick,        Zuerst::Folge,
     kBildAbsturz, {{runter, 2}}, kSoundSauschrei},
    {kBildSauFernLinks,        true,   20, Lage::Klick,        Zuerst::Folge,
     kBildAbsturzFern, {{runter, 1}}, kSoundPiepsen},
    {kBildSauFernRechts,       true,   20, Lage::Klick,        Zuerst::Folge,
     kBildAbsturzFern, {{runter, 1}}, kSoundPiepsen},
    {kBildSauRechts,           true,   10, Lage::Klick,        Zuerst::Folge,
     kBildAbsturz, {{runter, 2}}, kSoundSauschrei},
    {kBildAbsturz,             true,   15, Lage::Klick,        Zuerst::Folge,
     kBildSplat, {{lebensdauer, 30}, {runter, 2}}, kKein},
    {kBildAbsturzFern,         true,   25, Lage::Klick,        Zuerst::Punkte,
     kBildSplatFern, {{lebensdauer, 30}, {runter, 1}}, kKein},
    {kBildRotAbsturz,          true,   20, Lage::Klick,        Zuerst::Punkte,
     kBildSplat, {{lebensdauer, 30}, {runter, 1}}, kSoundAbsturzschrei},
    {kBildRotLinks,            true,   15, Lage::Klick,        Zuerst::Punkte,
     kBildRotAbsturz, {{takt, 1}, {bahn, 1}, {runter, 3}}, kSoundSauschrei},
    {kBildRotRechts,           true,   15, Lage::Klick,        Zuerst::Punkte,
     kBildRotAbsturz, {{takt, 1}, {bahn, 1}, {runter, 3}}, kSoundSauschrei},
    {kBildRotAbsturzFern,      true,   30, Lage::Klick,        Zuerst::Punkte,
     kBildSplatFern, {{takt, 1}, {lebensdauer, 30}, {bahn, 1}, {runter, 1}}, kSoundAbsturzschrei},
    {kBildRotLinksFern,        true,   25, Lage::Klick,        Zuerst::Punkte,
     kBildRotAbsturzFern, {{takt, 2}, {bahn, 1}, {runter, 2}}, kSoundPiepsen},
    {kBildRotRechtsFern,       true,   25, Lage::Klick,        Zuerst::Punkte,
     kBildRotAbsturzFern, {{takt, 2}, {bahn, 1}, {runter, 2}}, kSoundPiepsen},
    {kBildLeuchtturm,          false,  -5, Lage::Klick,        Zuerst::Punkte,
     kBildStaub, {{takt, 1}, {lebensdauer, 18}, {bogenrechts, 1}}, kSoundQuerschlaeger},
    {kBildFarbtafel33,         true,  -50, Lage::Klick,        Zuerst::Punkte,
     kBildFarbtafel34, {{lebensdauer, 30}}, kSoundSummer},
    {kBildStammKlein,          false,  -3, Lage::Klick,        Zuerst::Punkte,
     kBildStaub, {{takt, 1}, {lebensdauer, 18}, {bogenrechts, 1}}, kSoundQuerschlaeger},
    {kBildInselFlach,          false,  -3, Lage::Klick,        Zuerst::Punkte,
     kBildStaub, {{takt, 1}, {lebensdauer, 18}, {bogenrechts, 1}}, kSoundQuerschlaeger},
    {kBildInselFels,           false,  -3, Lage::Klick,        Zuerst::Punkte,
     kBildStaub, {{takt, 1}, {lebensdauer, 18}, {bogenrechts, 1}}, kSoundQuerschlaeger},
    {kBildStammGross,          false,  -3, Lage::Klick,        Zuerst::Punkte,
     kBildStaub, {{takt, 1}, {lebensdauer, 18}, {bogenrechts, 1}}, kSoundQuerschlaeger},
    {kBildWedelRechts,         true,    1, Lage::Klick,        Zuerst::Punkte,
     kBildBlattfetzen, {{takt, 1}, {lebensdauer, 15}, {rechts, 1}, {runter, 1}}, kSoundQuerschlaeger},
    {kBildWedelVorne,          true,    1, Lage::Klick,        Zuerst::Punkte,
     kBildBlattfetzen, {{takt, 1}, {lebensdauer, 15}, {rechts, 1}, {runter, 1}}, kSoundQuerschlaeger},
    {kBildWedelUntenLinks,     true,    1, Lage::Klick,        Zuerst::Punkte,
     kBildBlattfetzen, {{takt, 1}, {lebensdauer, 15}, {rechts, 1}, {runter, 1}}, kSoundQuerschlaeger},
    {kBildWedelLinks,          true,    1, Lage::Klick,        Zuerst::Punkte,
     kBildBlattfetzen, {{takt, 1}, {lebensdauer, 15}, {rechts, 1}, {runter, 1}}, kSoundQuerschlaeger},
    {kBildWedelOben,           true,    1, Lage::Klick,        Zuerst::Punkte,
     kBildBlattfetzen, {{takt, 1}, {lebensdauer, 15}, {rechts, 1}, {runter, 1}}, kSoundQuerschlaeger},
    {kBildStrauch,             true,    1, Lage::Klick,        Zuerst::Punkte,
     kBildBlattfetzen, {{takt, 1}, {lebensdauer, 15}, {rechts, 1}, {runter, 1}}, kSoundQuerschlaeger},
    {kBildWolkeGross,          true,    2, Lage::Klick,        Zuerst::Punkte,
     kBildWolkeGross, {{bogenrechts, 1}, {bahn, 3}}, kSoundPuff},
    {kBildWolkeKlein,          true,    3, Lage::Klick,        Zuerst::Punkte,
     kBildWolkeKlein, {{bogenrechts, 1}, {bahn, 3}}, kSoundPuff},
    {kBildGewehr,              false, -45, Lage::Klick,        Zuerst::Folge,
     kBildStaub, {{takt, 1}, {lebensdauer, 18}, {rechts, 2}, {hoch, 1}}, kSoundQuerschlaeger},
    {kBildAugeOffen,           true,   10, Lage::Objekt,       Zuerst::Folge,
     kBildAugeBlau, {}, kSoundQuerschlaeger},
    {kBildAugeBlau,            true,   20, Lage::Objekt,       Zuerst::Folge,
     kBildAugeZu, {}, kSoundQuerschlaeger},
    {kBildMotorbootRechts,     true,   18, Lage::Objekt,       Zuerst::Punkte,
     kBildMotorbootTrefferRechts, {{rechts, 3}, {lebensdauer, 38}}, kSoundHolzkrach},
    {kBildMotorbootLinks,      true,   18, Lage::Objekt,       Zuerst::Punkte,
     kBildMotorbootTrefferLinks, {{links, 3}, {lebensdauer, 38}}, kSoundHolzkrach},
    {kBildMotorbootFernRechts, true,   32, Lage::Objekt,       Zuerst::Punkte,
     kBildMotorbootFernTrefferRechts, {{rechts, 2}, {lebensdauer, 38}}, kSoundHolzkrach},
    {kBildMotorbootFernLinks,  true,   32, Lage::Objekt,       Zuerst::Punkte,
     kBildMotorbootFernTrefferLinks, {{links, 2}, {lebensdauer, 38}}, kSoundHolzkrach},
    {kBildSchild,              false, -15, Lage::Klick,        Zuerst::Folge,
     kBildStaub, {{takt, 1}, {links, 2}, {lebensdauer, 18}, {hoch, 1}}, kSoundQuerschlaeger},
    {kBildBoot,                true,   25, Lage::ObjektHoeher, Zuerst::Punkte,
     kBildSegelboot, {{lebensdauer, 102}}, kSoundHolzkrach},
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
        const std::int32_t nummer = addereigniss(block, layernr, kBildZiffern, x + kZiffernbreite * k, y - 5);
        if (programmendet) return;
        if (nummer != -1) bilder[ereigniss[nummer]->instanz].actualframe = z.frame(k);
    }
}
