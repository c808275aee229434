#include "shell/display.h"
#include "shell/main_loop.h"

void aufraeumen() {
    if (lpddsprimary) {
        // The back buffer and the palette go with the primary.
        lpddsprimary->Release();
        lpddsprimary = nullptr;
        lpddsback = nullptr;
        spielpalette = nullptr;
    }
    if (lpdd) {
        lpdd->Release();
        lpdd = nullptr;
    }
}
