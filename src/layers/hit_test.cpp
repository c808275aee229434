#include <algorithm>

#include "base/fatal_report.h"
#include "graphics/graphics_store.h"
#include "layers/layer.h"
#include "platform/portable/byte_order.h"

using namespace platform;

std::int32_t _layerdaten::treffertest(_grafikdatenbank* datenbank, std::int32_t mx, std::int32_t my) {
    // The highest record was placed last and so lies on top where they overlap.
    for (std::int32_t i = ereignissanzahl - 1; i >= 0; --i) {
        const Ereigniss* o = ereigniss[i];
        if (!o || !o->aktiv) continue;
        const Bildplatz& s = bilder[o->instanz];
        const std::int32_t w = s.rechteck.right - s.rechteck.left;
        const std::int32_t h = s.rechteck.bottom - s.rechteck.top;
        // The right edge keeps a margin of 3, so that the four pixels mask
        // reads all lie in the drawn part. A slot never drawn has an empty
        // rectangle and cannot be hit; one that left the view is still hit
        // where it was last drawn.
        if (!(s.blitx < mx && mx < s.blitx + w - 3 && s.blity < my && my < s.blity + h)) continue;

        // The same frame the drawing used, for a frame set out of range.
        const grafikdaten* p = datenbank->grafikdaten[s.bild];
        const std::int32_t frame = std::clamp(s.actualframe, 0, std::max(p->frames, 1) - 1);
        const std::int32_t px = mx - s.blitx + s.rechteck.left + p->framebreite * frame;
        const std::int32_t py = my - s.blity + s.rechteck.top;
        if (mask(datenbank, i, px, py) != -1) {
            treffer(datenbank, i, mx, my);
            return i;
        }
        // A failed pixel test was fatal: the layers are gone.
        if (programmendet) return -1;
    }
    return -1;
}

std::int32_t _layerdaten::mask(_grafikdatenbank* datenbank, std::int32_t index, std::int32_t px, std::int32_t py) {
    const grafikdaten* p = datenbank->grafikdaten[bilder[ereigniss[index]->instanz].bild];
    if (!p->surface) {
        fehlerbox("surface zeigt auf NULL MASK");
        return -1;
    }
    // A picture file smaller than its frames has nothing to hit beyond its
    // pixels; reading there would leave the surface.
    if (px < 0 || py < 0 || px + 4 > p->surface->width() || py >= p->surface->height()) return -1;

    Rect pixel{px, py, px + 1, py + 1};
    SurfaceDesc desc;
    if (p->surface->Lock(&pixel, &desc) != DD_OK) {
        fehlerbox("_layerdaten::mask-surface->Lock-Surface konnte nicht gesperrt werden");
        return -1;
    }
    if (!desc.surface) {
        p->surface->Unlock();
        fehlerbox("_layerdaten::mask-Surfacepointer zeigt auf NULL");
        return -1;
    }
    // The pixel and the three to its right, against the picture's first four
    // (its corner, which is background): only a matching run is see-through.
    const std::uint32_t wort = le32(desc.surface);
    p->surface->Unlock();
    return wort != p->keyfarbe ? index : -1;
}
