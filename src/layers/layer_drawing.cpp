#include <algorithm>
#include <cstdio>

#include "base/fatal_report.h"
#include "graphics/graphics_store.h"
#include "graphics/picture_numbers.h"
#include "layers/layer.h"
#include "layers/mouse_position.h"
#include "platform/debug_output.h"
#include "platform/presentation.h"

using namespace platform;

std::int32_t waffenbasis = 0;
int mausx = 0, mausy = 0;

namespace {

bool ist_motorboot(std::int32_t bild) {
    return bild == kBildMotorbootRechts || bild == kBildMotorbootLinks || bild == kBildMotorbootFernRechts ||
           bild == kBildMotorbootFernLinks;
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
    sichtbreite = kImageWidth;
    sichthoehe = kImageHeight;

    for (int i = 0; i < bilderanzahl; ++i) {
        Bildplatz& s = bilder[i];
        if (s.belegt == 0) continue;
        if (s.bild == kBildGewehr) {
            // The gun's 24 views follow the mouse across the screen.
            s.actualframe = mausx / 27;
            s.y = mausy / 20 + waffenbasis;
        }
        const grafikdaten* p = datenbank->grafikdaten[s.bild];
        if (p->animiert) {
            if (++s.framezaehler > s.verzoegerung) {
                s.framezaehler = 0;
                if (++s.actualframe >= p->frames) s.actualframe = 0;
            }
        }

        const std::int32_t L = std::int32_t(s.x), T = std::int32_t(s.y);
        const std::int32_t R = L + p->framebreite, B = T + p->framehoehe;
        if (!(L < scrollx + sichtbreite && R > scrollx && T < scrolly + sichthoehe && B > scrolly)) continue;

        s.blitx = L - scrollx;
        s.blity = T - scrolly;
        Rect quelle{0, 0, p->framebreite, p->framehoehe};
        if (L < scrollx) {
            s.blitx = 0;
            quelle.left = scrollx - L;
        }
        if (R > scrollx + sichtbreite) quelle.right = sichtbreite + scrollx - L;
        if (T < scrolly) {
            s.blity = 0;
            quelle.top = scrolly - T;
        }
        if (B > scrolly + sichthoehe) quelle.bottom = sichthoehe + scrolly - T;
        s.rechteck = {quelle.left, quelle.right, quelle.bottom, quelle.top};

        // A frame number set from outside may be out of range, and a picture
        // file may be smaller than its frames: keep the copy inside the
        // picture's real surface.
        const std::int32_t frame = std::clamp(s.actualframe, 0, std::max(p->frames, 1) - 1);
        quelle.left += p->framebreite * frame;
        quelle.right += p->framebreite * frame;

        if (!p->surface) {
            fehlerbox("_layerdaten::zeichnen-Surface zeigt auf NULL");
            return true;
        }
        Rect kopie = quelle;
        kopie.right = std::min(kopie.right, p->surface->width());
        kopie.bottom = std::min(kopie.bottom, p->surface->height());
        HRESULT ergebnis = DD_OK;
        if (kopie.left < kopie.right && kopie.top < kopie.bottom) {
            if (p->transparent == 0)
                ergebnis = lpddsback->BltFast(s.blitx, s.blity, p->surface, &kopie, DDBLTFAST_WAIT);
            else
                ergebnis = lpddsback->BltFast(s.blitx, s.blity, p->surface, &kopie, DDBLTFAST_WAIT | DDBLTFAST_SRCCOLORKEY);
        }
        if (ergebnis != DD_OK && ergebnis != DDERR_WASSTILLDRAWING) {
            char text[256];
            std::snprintf(text, sizeof text,
                          "\nFehler bei bild Nr.: %d\n actualframe=%d\n blitx=%d /nblitx%d \nrechteck.left%d \n "
                          "rechteck.right%d \n rechteck.top%d \n rechteck.bottom%d\n ",
                          s.bild, s.actualframe, s.blitx, s.blity, quelle.left, quelle.right, quelle.top, quelle.bottom);
            OutputDebugString(text);
            std::snprintf(text, sizeof text, "\nDDRVAL=%d", int(ergebnis));
            OutputDebugString(text);
            fehlerbox("_layerdaten::zeichen-ddrval!=DD_OK");
            return true;
        }
        if (ist_motorboot(s.bild)) motorlaeuft = 1;
    }
    return false;
}
