#include <algorithm>
#include <cstdio>

#include "base/fatal_report.h"
#include "graphics/graphics_store.h"
#include "graphics/picture_numbers.h"
#include "graphics/view_clipping.h"
#include "layers/layer.h"
#include "layers/mouse_position.h"
#include "platform/debug_output.h"

using namespace platform;

std::int32_t waffenbasis = 0;
int mausx = 0, mausy = 0;

namespace {

bool ist_motorboot(std::int32_t bild) {
    return bild == kBildMotorbootRechts || bild == kBildMotorbootLinks || bild == kBildMotorbootFernRechts ||
           bild == kBildMotorbootFernLinks;
}

// The gun's 24 views follow the mouse across the screen.
void zielen(Bildplatz& s) {
    s.actualframe = mausx / 27;
    s.y = mausy / 20 + waffenbasis;
}

// An animated picture moves on a frame once the slot has waited its delay.
void animieren(Bildplatz& s, const grafikdaten& p) {
    if (!p.animiert) return;
    if (++s.framezaehler > s.verzoegerung) {
        s.framezaehler = 0;
        if (++s.actualframe >= p.frames) s.actualframe = 0;
    }
}

// The visible part of the slot's frame on the picture's surface. A frame
// number set from outside may be out of range: the last frame is taken.
Rect framebereich(const Bildplatz& s, const grafikdaten& p, Rect quelle) {
    const std::int32_t frame = std::clamp(s.actualframe, 0, std::max(p.frames, 1) - 1);
    quelle.left += p.framebreite * frame;
    quelle.right += p.framebreite * frame;
    return quelle;
}

void blitfehler(const Bildplatz& s, const Rect& r, HRESULT ergebnis) {
    char text[256];
    std::snprintf(text, sizeof text,
                  "\nFehler bei bild Nr.: %d\n actualframe=%d\n blitx=%d /nblitx%d \nrechteck.left%d \n "
                  "rechteck.right%d \n rechteck.top%d \n rechteck.bottom%d\n ",
                  s.bild, s.actualframe, s.blitx, s.blity, r.left, r.right, r.top, r.bottom);
    OutputDebugString(text);
    std::snprintf(text, sizeof text, "\nDDRVAL=%d", int(ergebnis));
    OutputDebugString(text);
    fehlerbox("_layerdaten::zeichen-ddrval!=DD_OK");
}

}  // namespace

bool _layerdaten::zeichnen(_grafikdatenbank* datenbank) {
    bewegen();
    // A spawn in the step that ended the program has deleted this layer.
    if (programmendet) return true;
    motorlaeuft = 0;
    if (bilderanzahl == 0) return false;
    if (!datenbank) {
        fehlerbox("_layerdaten::zeichnen->Uebergebener _grafikdatenbankzeicher zeigt auf NULL");
        return true;
    }
    if (!lpddsback) {
        fehlerbox("_layerdaten::zeichnen-lpddsback zeigt auf NULL");
        return true;
    }
    for (int i = 0; i < bilderanzahl; ++i) {
        Bildplatz& s = bilder[i];
        if (s.belegt == 0) continue;
        if (s.bild == kBildGewehr) zielen(s);
        const grafikdaten& p = *datenbank->grafikdaten[s.bild];
        animieren(s, p);
        if (platzzeichnen(s, p)) return true;
    }
    return false;
}

bool _layerdaten::platzzeichnen(Bildplatz& s, const grafikdaten& p) {
    Ausschnitt a;
    if (!sichtausschnitt(std::int32_t(s.x), std::int32_t(s.y), p.framebreite, p.framehoehe, scrollx, scrolly, &a))
        return false;
    // Where it was drawn is kept for the hit test.
    s.blitx = a.blitx;
    s.blity = a.blity;
    s.rechteck = a.quelle;
    if (!p.surface) {
        fehlerbox("_layerdaten::zeichnen-Surface zeigt auf NULL");
        return true;
    }
    // A picture file may be smaller than its frames: the copy stays inside
    // its real surface, and may then be empty.
    const Rect bereich = framebereich(s, p, a.quelle);
    Rect kopie = bereich;
    kopie.right = std::min(kopie.right, p.surface->width());
    kopie.bottom = std::min(kopie.bottom, p.surface->height());
    if (kopie.left < kopie.right && kopie.top < kopie.bottom) {
        const std::uint32_t flags = p.transparent ? DDBLTFAST_WAIT | DDBLTFAST_SRCCOLORKEY : DDBLTFAST_WAIT;
        const HRESULT ergebnis = lpddsback->BltFast(s.blitx, s.blity, p.surface, &kopie, flags);
        if (ergebnis != DD_OK && ergebnis != DDERR_WASSTILLDRAWING) {
            blitfehler(s, bereich, ergebnis);
            return true;
        }
    }
    // A motor boat in view keeps the engine sound going.
    if (ist_motorboot(s.bild)) motorlaeuft = 1;
    return false;
}
