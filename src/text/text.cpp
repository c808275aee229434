#include "text/text.h"

#include <cstdio>
#include <cstring>

#include "base/fatal_report.h"
#include "graphics/graphics_store.h"
#include "graphics/palette_colours.h"
#include "graphics/view_clipping.h"
#include "platform/debug_output.h"

using namespace platform;

namespace {

constexpr std::uint8_t kLeerfarbe = kFarbeTextgrund;  // fill of an empty text, and its colour key
constexpr int kBuchstabenzeile = 0;  // A to Z, then the blank cell
constexpr int kZeichenzeile = 21;    // "-" (code 45) to "@" (code 64)
constexpr int kZeilenhoehe = 20;
constexpr int kLeerzelle = 26;

struct Zelle {
    int zeile;
    int nummer;
};

// Where a character lies in the font. Codes without a cell of their own get
// the blank one, so a stray byte in a stored name shows as a gap instead of
// whatever lies beside the font's cells.
Zelle zelle(signed char c) {
    if (c == ' ') return {kBuchstabenzeile, kLeerzelle};
    // Lower case is drawn as capitals; "{" lands on the blank cell.
    if (c > 'Z') return {kBuchstabenzeile, c <= '`' || c == 127 ? kLeerzelle : c - 'a'};
    if (c > ',' && c < 'A') return {kZeichenzeile, c - '-'};
    if (c >= 'A') return {kBuchstabenzeile, c - 'A'};
    return {kBuchstabenzeile, kLeerzelle};
}

Surface* schrift(std::int32_t bild) {
    if (bild < 0 || bild >= grafikdatenbank.anzahl || !grafikdatenbank.grafikdaten[bild]) return nullptr;
    return grafikdatenbank.grafikdaten[bild]->surface;
}

}  // namespace

void _text::init(DirectDraw* dd, Surface* primary, Surface* back, std::int32_t bild) {
    lpdd = dd;
    lpddsprimary = primary;
    lpddsback = back;
    surface = nullptr;
    bildx = bildy = 0;
    transparent = 1;
    sichtx = sichty = 0;
    posx = 10;
    posy = 430;
    zeichensatz = bild;
}

void _text::setzeichensatz(std::int32_t bild) { zeichensatz = bild; }

void _text::setposition(std::int32_t x, std::int32_t y) {
    posx = x;
    posy = y;
}

Surface* _text::erzeugesurface(Surface*, std::int32_t breite, std::int32_t hoehe) {
    if (!lpdd) {
        OutputDebugString("_text::erzeugesurface-lpdd zeigt auf NULL");
        fehlerbox("Modul:_text::erzeugesurface-lpdd zeigt auf NULL");
        return nullptr;
    }
    Surface* neu = nullptr;
    if (lpdd->CreateOffscreenSurface(breite, hoehe, &neu) != DD_OK) {
        fehlerbox("Konnte Surface nicht erzeugen->Class Text ");
        OutputDebugString("Konnte Surface nicht erzeugen->Class Text ");
        return nullptr;
    }
    bildx = breite;
    bildy = hoehe;
    neu->ColorFill(kLeerfarbe);
    if (transparent != 0) {
        // The key is whatever the fill left in the first pixel.
        std::uint8_t key = 0;
        SurfaceDesc desc;
        if (neu->Lock(nullptr, &desc) == DD_OK) {
            key = desc.surface[0];
        } else {
            fehlerbox("_text::surface-Lock liefert falschen Wert");
            // The shut-down has released every other surface; this one,
            // made before it, would outlive it.
            neu->Release();
            return nullptr;
        }
        neu->Unlock();
        neu->SetColorKey(key);
    }
    return neu;
}

void _text::loeschen() {
    if (surface) surface->ColorFill(kLeerfarbe);
}

std::int32_t _text::schreiben(const char* text, std::int32_t x, std::int32_t y) {
    // Once the program is ending the surfaces are released: nothing is
    // written, and nothing reported a second time.
    if (programmendet) return 0;
    Surface* quelle = schrift(zeichensatz);
    if (!surface) {
        fehlerbox("_text::schreiben->surface zeigt auf NULL");
        return 0;
    }
    if (!quelle) {
        fehlerbox("_text::schreiben->zeichensatz ==NULL");
        return 0;
    }
    if (!text) {
        fehlerbox("_text::schreiben->textzeiger zeigt auf NULL");
        return 0;
    }
    // Only a note: a long stored name runs past the surface, which merely
    // hides the rest of it.
    if (x > bildx) OutputDebugString("_text::schreiben->textpositionx > bildx");
    if (y > bildy) OutputDebugString("_text::schreiben->textpositiony > bildy");

    const std::uint32_t flags = transparent == 1 ? DDBLTFAST_WAIT | DDBLTFAST_SRCCOLORKEY : DDBLTFAST_WAIT;
    const std::int32_t laenge = std::int32_t(std::strlen(text));
    std::int32_t spalte = 0;
    for (std::int32_t i = 0; i < laenge; ++i) {
        if (text[i] == '<') {
            y += kVorschub;
            spalte = 0;
            continue;
        }
        const Zelle z = zelle(static_cast<signed char>(text[i]));
        Rect rechteck{kZellbreite * z.nummer, z.zeile, kZellbreite * z.nummer + kZellbreite, z.zeile + kZeilenhoehe};

        const std::int32_t blitx = x + kVorschub * spalte;
        const std::int32_t blity = y;
        // The column stays put, so the rest of a line past the edge goes too.
        if (blitx >= bildx || blitx < 0 || blity < 0 || blity >= bildy) continue;
        if (blitx + kZellbreite > bildx) rechteck.right -= blitx + kZellbreite - bildx;
        if (blity + (rechteck.bottom - rechteck.top) > bildy)
            rechteck.bottom -= blity + (rechteck.bottom - rechteck.top) - bildy;

        if (surface->BltFast(blitx, blity, quelle, &rechteck, flags) != DD_OK) {
            fehlerbox("_text::schreiben->BltFast liefert nicht DD_OK");
            char zeile[512];
            std::snprintf(zeile, sizeof zeile,
                          "text: %s blitx %d, blity %d, rechteck.left %d, rechteck.right %d rechteck.top %d, "
                          "rechteck.bottom %d ",
                          text, blitx, blity, rechteck.left, rechteck.right, rechteck.top, rechteck.bottom);
            OutputDebugString(zeile);
            fehlerbox("_text::zeichen-ddrval!=DD_OK");
            // The report released the surfaces; the rest of the text must not
            // touch them.
            if (programmendet) return laenge;
        }
        ++spalte;
    }
    return laenge;
}

std::int32_t _text::zeichnen() {
    if (programmendet) return 1;
    if (!lpddsback) {
        fehlerbox("_layerdaten::zeichnen-lpddsback zeigt auf NULL");
        return 1;
    }
    Ausschnitt a;
    if (!sichtausschnitt(posx, posy, bildx, bildy, sichtx, sichty, &a)) return 0;
    const std::int32_t blitx = a.blitx, blity = a.blity;
    const Rect& rechteck = a.quelle;

    if (!surface) {
        fehlerbox("_layerdaten::zeichnen-Surface zeigt auf NULL");
        return 1;
    }
    const HRESULT ergebnis = lpddsback->BltFast(blitx, blity, surface, &rechteck,
                                                transparent == 0 ? DDBLTFAST_NOCOLORKEY : DDBLTFAST_SRCCOLORKEY);
    // A busy blitter only skips the text for this frame.
    if (ergebnis == DD_OK || ergebnis == DDERR_WASSTILLDRAWING) return 0;
    char zeile[256];
    std::snprintf(zeile, sizeof zeile,
                  "blitx %d, blity %d, rechteck.left %d, rechteck.right %d rechteck.top %d, rechteck.bottom %d ", blitx,
                  blity, rechteck.left, rechteck.right, rechteck.top, rechteck.bottom);
    OutputDebugString(zeile);
    fehlerbox("_text::zeichen-ddrval!=DD_OK");
    return 1;
}

void _text::freigeben() {
    if (surface) {
        surface->Release();
        surface = nullptr;
    }
    // The display is going; no copy of its pointers may outlive it.
    lpdd = nullptr;
    lpddsprimary = nullptr;
    lpddsback = nullptr;
}
