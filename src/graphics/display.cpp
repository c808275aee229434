#include "graphics/display.h"

#include "base/fatal_report.h"
#include "graphics/bitmap_loading.h"
#include "graphics/graphics_store.h"
#include "platform/debug_output.h"
#include "platform/portable/presentation.h"

using namespace platform;

DirectDraw* lpdd = nullptr;
Surface* lpddsprimary = nullptr;
Surface* lpddsback = nullptr;
Palette* spielpalette = nullptr;

int initdirectdraw(Window* fenster) {
    if (DirectDrawCreate(fenster, &lpdd) != DD_OK) {
        OutputDebugString("Fehler bei DirectDrawInit->DirectDrawCreate");
        return 1;
    }
    if (lpdd->SetCooperativeLevel(fenster) != DD_OK) {
        OutputDebugString("Fehler bei DirectDrawInit->SetCooperativeLevel");
        return 1;
    }
    if (lpdd->SetDisplayMode(kImageWidth, kImageHeight, 8) != DD_OK) {
        OutputDebugString("Fehler bei DirectDrawInit->SetDisplayMode");
        return 1;
    }
    if (lpdd->CreatePrimarySurface(&lpddsprimary) != DD_OK) {
        OutputDebugString("Fehler bei DirectDrawInit->CreatePrimarySurface");
        return 1;
    }
    if (lpddsprimary->GetAttachedSurface(&lpddsback) != DD_OK) {
        OutputDebugString("Fehler bei DirectDrawInit->CreateBackPuffer");
        return 1;
    }
    spielpalette = loadbitmappalette(lpdd, "DONUT");
    if (!spielpalette) {
        fehlerbox("Palette konnte nicht geladen werden");
        return 1;
    }
    lpddsprimary->SetPalette(spielpalette);
    return 0;
}

void seitenumschaltung() {
    if (programmendet || !lpddsprimary) return;
    if (FAILED(lpddsprimary->Flip())) fehlerbox("Fehler bei Seitenumschaltung, Programm wird beendet!");
}

void flaecheloeschen(Surface* surface, std::uint8_t farbe) {
    if (programmendet || !surface) return;
    surface->ColorFill(farbe);
}

bool wiederherstellen() {
    if (programmendet || !lpddsprimary) return false;
    if (lpddsprimary->IsLost() == DDERR_SURFACELOST) {
        if (lpddsprimary->Restore() != DD_OK) {
            OutputDebugString("Fehler bei Restore Id 0x3d");
            fehlerbox("fehler bei Restore");
            return false;
        }
    }
    grafikdatenbank.loadgrafikdaten();
    return true;
}
