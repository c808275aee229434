#include "graphics/graphics_store.h"

#include <cstdio>

#include "base/fatal_report.h"
#include "graphics/bitmap_loading.h"
#include "platform/debug_output.h"
#include "platform/files.h"
#include "platform/portable/byte_order.h"
#include "platform/testing/fault_injection.h"

using namespace platform;

_grafikdatenbank grafikdatenbank;

void _grafikdatenbank::init(DirectDraw* dd, Surface* primary, Surface* back) {
    lpdd = dd;
    lpddsprimary = primary;
    lpddsback = back;
}

std::uint8_t _grafikdatenbank::setgrafikdaten(::grafikdaten daten) {
    // The store has room for 300; refusing the 301st keeps it from writing
    // past its table.
    if (anzahl >= kPlaetze) {
        fehlerbox("_grafikdatenbank::setgrafikdaten-Kein Platz fuer weitere Bilder");
        return 1;
    }
    auto* neu = platform::NewOrNull<::grafikdaten>();
    if (!neu) {
        fehlerbox("Fehler in Modul grafikdaten::setgrafikdaten");
        return 1;
    }
    *neu = daten;
    neu->name[sizeof neu->name - 1] = 0;
    neu->surface = nullptr;
    grafikdaten[anzahl] = neu;
    ++anzahl;
    return 0;
}

std::uint8_t _grafikdatenbank::loadgrafikdaten() {
    if (anzahl == 0) {
        OutputDebugString("Keine Grafiken zu laden");
        fehlerbox("_grafikdatenbank::loadgrafikdaten->Keine Grafiken zu laden");
        return 1;
    }
    for (int i = 0; i < anzahl; ++i) {
        ::grafikdaten* p = grafikdaten[i];
        // A file in the data folder wins over the program's own bitmap.
        Bitmap* bitmap = LoadBitmapFile(ResolveFileName(p->name).c_str());
        if (!bitmap) bitmap = LoadBitmapResource(p->name);
        if (!bitmap) {
            char text[80];
            std::snprintf(text, sizeof text, "Konnte Bild nicht laden : %s", p->name);
            OutputDebugString(text);
            fehlerbox(text);
            return 1;
        }
        const int breite = BitmapWidth(bitmap);
        const int hoehe = BitmapHeight(bitmap);
        // The old surface goes with the call: the record must not point at it
        // while a failure's shut-down releases the store, which would release
        // it again and delete this record under us.
        Surface* alt = p->surface;
        p->surface = nullptr;
        Surface* neu = erzeugesurface(alt, breite, hoehe);
        if (!neu) {
            DeleteBitmap(bitmap);
            return 1;
        }
        p->surface = neu;
        ddcopybitmap(p->surface, bitmap, 0, 0, breite, hoehe);
        DeleteBitmap(bitmap);

        SurfaceDesc desc;
        if (p->surface->Lock(nullptr, &desc) != DD_OK) {
            fehlerbox("_grafikdatenbank::loadgrafikdaten-Lock liefert falschen Wert");
            return 1;
        }
        // The low byte of the first word is the top-left pixel's palette
        // index; rows are at least four bytes apart, so the word is there.
        const std::uint32_t wort = le32(desc.surface);
        p->surface->Unlock();
        p->keyfarbe = wort;
        if (p->transparent) p->surface->SetColorKey(std::uint8_t(wort & 0xFF));
    }
    return 0;
}

Surface* _grafikdatenbank::erzeugesurface(Surface* alt, std::int32_t breite, std::int32_t hoehe) {
    if (!lpdd) {
        OutputDebugString("_grafikdatenbank::erzeugesurface-lpdd zeigt auf NULL");
        fehlerbox("Modul:_grafikdatenbank::erzeugesurface-lpdd zeigt auf NULL");
        return nullptr;
    }
    if (alt) alt->Release();
    Surface* neu = nullptr;
    if (lpdd->CreateOffscreenSurface(breite, hoehe, &neu) != DD_OK) {
        fehlerbox("DD konnte Surface nicht erzeugen ");
        OutputDebugString("DD konnte Surface nicht erzeugen ");
        return nullptr;
    }
    return neu;
}

void _grafikdatenbank::freigeben() {
    // The display goes next; no copy of its pointers may outlive it.
    lpdd = nullptr;
    lpddsprimary = nullptr;
    lpddsback = nullptr;
    if (anzahl == 0) return;
    for (int i = 0; i < anzahl; ++i) {
        if (!grafikdaten[i]) continue;
        if (grafikdaten[i]->surface) {
            grafikdaten[i]->surface->Release();
            grafikdaten[i]->surface = nullptr;
        }
        delete grafikdaten[i];
        grafikdaten[i] = nullptr;
    }
    anzahl = 0;
}
