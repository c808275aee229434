#include <algorithm>
#include <cmath>

#include "base/fatal_report.h"
#include "base/random_numbers.h"
#include "graphics/graphics_store.h"
#include "graphics/picture_numbers.h"
#include "layers/layer.h"
#include "layers/layer_numbers.h"
#include "layers/sound_requests.h"
#include "platform/testing/fault_injection.h"
#include "sound/sound_numbers.h"

std::int32_t schwenkrichtung = 0;

double sinusgrad(std::int32_t grad) { return std::sin(grad * 3.1415927 / 180.0); }
double cosinusgrad(std::int32_t grad) { return std::cos(grad * 3.1415927 / 180.0); }

namespace {

std::int32_t abschneiden(double wert) { return std::int32_t(wert); }

// A random 0 or 1: the arcs wobble sideways by it.
std::int32_t wackeln() { return zufall(2); }

// One step of one object: its life, the straight moves, arcs and paths, the
// water and the world's edge, in that order. An object that has ended finishes
// its step on a copy of itself: its record and image slot are free again and
// may already belong to what it has just spawned, which its remaining rules
// must not move or end.
class Objektschritt {
public:
    Objektschritt(_layerdaten& layer, std::int32_t index, Ereigniss& rest, Bildplatz& restplatz)
        : layer_(layer),
          index_(index),
          o_(layer.ereigniss[index]),
          s_(&layer.bilder[o_->instanz]),
          rest_(rest),
          restplatz_(restplatz) {}

    void ausfuehren() {
        leben();
        // A spawn that ended the program has released the layer.
        if (programmendet) return;
        if (par(rechts) != 0) {
            s_->x += par(rechts);
            if (s_->x > 2500) beenden();
        }
        if (par(links) != 0) {
            s_->x -= par(links);
            if (s_->x < -2500) beenden();
        }
        if (par(hoch) != 0) {
            s_->y -= par(hoch);
            if (s_->y < -500) beenden();
        }
        if (par(runter) != 0) {
            s_->y += par(runter);
            if (s_->y > 1000) beenden();
        }
        if (par(bogenrechts) != 0) bogenNachRechts();
        if (par(bogenlinks) != 0) bogenNachLinks();
        if (par(bahn) == 2) kreis();
        if (par(bahn) == 3) schwenk();
        if (par(bahn) == 1) schaukeln();
        wasser();
        if (s_->x > 2700 || s_->x < -2700 || s_->y > 1000 || s_->y < -500) beenden();
    }

private:
    std::int32_t& par(parameter slot) { return o_->parameterblock[slot]; }

    void beenden() {
        if (o_ == &rest_) return;
        rest_ = *o_;
        restplatz_ = *s_;
        layer_.beenden(index_);
        rest_.aktiv = false;
        restplatz_.belegt = 0;
        o_ = &rest_;
        s_ = &restplatz_;
    }

    // Something that stands still where it was put and fades after its life.
    void erzeugen(std::int32_t bild, std::int32_t x, std::int32_t y, std::int32_t leben) {
        std::int32_t block[kParameter] = {};
        block[lebensdauer] = leben;
        layer_.addereigniss(block, o_->layernummer, bild, x, y);
    }

    void leben() {
        if (o_->maxalter <= 0 || ++o_->alter < o_->maxalter) return;
        if (o_->bild == kBildHuelse) {
            // The casing lands in the water.
            soundabspielen(kSoundHuelse);
            const std::int32_t x = abschneiden(s_->x), y = abschneiden(s_->y);
            // Either spawn may end the program, which deletes this record.
            erzeugen(kBildSpritzerKlein, x, y, 27);
            if (programmendet) return;
            erzeugen(kBildWellenring, x - 11, y - 11, 24);
            if (programmendet) return;
        }
        o_->alter = 0;
        o_->maxalter = 0;
        beenden();
    }

    // Climb, level flight, descent; the arcs, paths and sway all count with
    // the slot's one zaehler, so combining them speeds the count up.
    void bogenNachRechts() {
        const std::int32_t v = par(bogenrechts);
        const std::int32_t c = ++s_->zaehler;
        if (c < 150) {
            s_->x += v + wackeln();
            s_->y -= v;
        } else if (c < 700) {
            s_->x += v;
        } else if (c < 850) {
            s_->x += v + wackeln();
            s_->y += v;
        } else {
            par(bogenrechts) = 0;
            beenden();
        }
    }

    void bogenNachLinks() {
        const std::int32_t v = par(bogenlinks);
        const std::int32_t c = ++s_->zaehler;
        if (c < 150) {
            s_->x -= v + wackeln();
            s_->y -= v;
        } else if (c < 350) {
            s_->x -= v;
        } else if (c < 500) {
            s_->x -= v + wackeln();
            s_->y += v;
        } else {
            par(bogenlinks) = 0;
            beenden();
        }
    }

    // The picture's frames show the object turned through a full circle;
    // frame 8 faces along angle 0. A picture of more than 360 frames (or
    // none) still gets a step of at least one degree.
    std::int32_t frames() const { return std::max(layer_.grafikdatenbank->grafikdaten[o_->bild]->frames, 1); }
    static std::int32_t schrittwinkel(std::int32_t n) { return std::max(360 / n, 1); }

    void blickrichtung(std::int32_t n, std::int32_t a) {
        s_->actualframe = s_->winkel / a + 8;
        if (s_->actualframe > n - 1) s_->actualframe -= n;
    }

    void kreis() {
        const std::int32_t n = frames(), a = schrittwinkel(n);
        if (++s_->zaehler > 2) {
            s_->zaehler = 0;
            s_->winkel += a;
            if (s_->winkel > 360) s_->winkel = a;
        }
        blickrichtung(n, a);
        s_->x += 10 * cosinusgrad(s_->winkel);
        s_->y += 10 * sinusgrad(s_->winkel);
    }

    // Every swinging object of the program turns the same way; whichever
    // object's count runs over first turns them all.
    void schwenk() {
        const std::int32_t n = frames(), a = schrittwinkel(n);
        if (++s_->zaehler > 80) {
            s_->zaehler = 0;
            schwenkrichtung = schwenkrichtung == 0 ? 1 : 0;
        }
        s_->winkel += schwenkrichtung == 0 ? a : -a;
        if (s_->winkel > 360) s_->winkel = a;
        if (s_->winkel < 12) s_->winkel = 360;
        blickrichtung(n, a);
        s_->x += 15 * cosinusgrad(s_->winkel);
        s_->y += 15 * sinusgrad(s_->winkel);
    }

    // 11 right, 13 left: a sway that drifts 2 pixels left per cycle.
    void schaukeln() {
        const std::int32_t z = ++s_->zaehler;
        if (z < 12) s_->x += 1;
        if (z >= 12) s_->x -= 1;
        if (z >= 24) s_->zaehler = 0;
    }

    void platschen(std::int32_t spritzer, int sound) {
        beenden();
        soundabspielen(sound);
        erzeugen(spritzer, abschneiden(s_->x), abschneiden(s_->y), 35);
    }

    void wasser() {
        const std::int32_t b = o_->bild;
        if (b == kBildAbsturz || b == kBildRotAbsturz) {
            // Both tests run: a pig that falls past both lines in one step
            // splashes twice.
            if (s_->y > 300) platschen(kBildSpritzerGross, kSoundAufprall);
            if (programmendet) return;
            if (s_->y > 270 && layer_.layernummer == kLayerSchweine) platschen(kBildSpritzerGross, kSoundAufprall);
        }
        if (b == kBildAbsturzFern || b == kBildRotAbsturzFern || b == kBildWolkeGross || b == kBildWolkeKlein) {
            if (s_->y > 234) platschen(kBildSpritzerMittel, kSoundPlatsch);
        }
    }

    _layerdaten& layer_;
    const std::int32_t index_;
    Ereigniss* o_;
    Bildplatz* s_;
    Ereigniss& rest_;
    Bildplatz& restplatz_;
};

}  // namespace

std::int32_t _layerdaten::addereigniss(const std::int32_t (&parameterblock)[kParameter], std::int32_t layernr,
                                       std::int32_t bild, std::int32_t x, std::int32_t y) {
    std::int32_t index = -1;
    for (int i = 0; i < kEreignisse && index == -1; ++i)
        if (ereigniss[i] && !ereigniss[i]->aktiv) index = i;

    bool angelegt = false;
    if (index == -1) {
        // A full layer turns new objects away without a word.
        if (ereignissanzahl >= kEreignisse) return -1;
        ereigniss[ereignissanzahl] = platform::NewOrNull<Ereigniss>();
        if (!ereigniss[ereignissanzahl]) {
            fehlerbox("_layerdaten::addereigniss-fuer ein Ereigniss ist kein Speicher frei");
            return -1;
        }
        index = ereignissanzahl;
        angelegt = true;
    }

    Ereigniss& e = *ereigniss[index];
    std::copy(std::begin(parameterblock), std::end(parameterblock), e.parameterblock);
    e.aktiv = true;
    e.layernummer = layernr;
    e.startx = x;
    e.starty = y;
    e.alter = 0;
    e.maxalter = parameterblock[lebensdauer];
    // No slot left: reported, and this layer is gone with the shut-down.
    if (bildvergeben(index, bild, x, y)) return -1;
    if (angelegt) ++ereignissanzahl;
    return index;
}

void _layerdaten::beenden(std::int32_t index) {
    Ereigniss* e = ereigniss[index];
    if (!e || !e->aktiv) return;
    bilder[e->instanz].belegt = 0;
    e->aktiv = false;
}

void _layerdaten::bewegen() {
    Ereigniss rest;
    Bildplatz restplatz;
    // The count is read afresh for every index: an object spawned into a new
    // record takes its first step in this frame, one in a reused lower record
    // in the next.
    for (int i = 0; i < ereignissanzahl; ++i) {
        Ereigniss* e = ereigniss[i];
        if (!e || !e->aktiv) continue;
        std::int32_t* p = e->parameterblock;
        if (++p[taktzaehler] < p[takt]) continue;
        p[taktzaehler] = 0;
        Objektschritt(*this, i, rest, restplatz).ausfuehren();
        if (programmendet) return;
    }
}
