#include "base/fatal_report.h"
#include "game/game_flow.h"
#include "graphics/display.h"
#include "platform/debug_output.h"
#include "platform/keys.h"
#include "shell/main_loop.h"
#include "text/highscore_table.h"

#include <cstdio>

using namespace platform;

int programmaktiv = 0;
int linkssperre = 0, rechtssperre = 0;

bool beendigunglaeuft = false;

std::intptr_t fensterproc(Window* fenster, std::uint32_t nachricht, std::uintptr_t wparam, std::intptr_t lparam) {
    hauptfenster = fenster;
    // Once ending, messages queued meanwhile (repeats of Escape, clicks during
    // the farewell logo) must not act on released objects.
    if (programmendet || beendigunglaeuft) return 0;

    switch (nachricht) {
        case WM_ACTIVATEAPP:
            programmaktiv = int(wparam);
            if (programmaktiv && lpddsprimary && lpddsprimary->IsLost() == DDERR_SURFACELOST && wiederherstellen())
                uhrneustart();
            break;
        case WM_MOUSEMOVE:
            mausx = LoWord(lparam);
            mausy = HiWord(lparam);
            // A move frees the left button as a release would.
            linkssperre = 0;
            break;
        case WM_LBUTTONDOWN:
            if (linkssperre == 0 && restzeit > 0) {
                linkssperre = 1;
                klickx = LoWord(lparam);
                klicky = HiWord(lparam);
                char zeile[64];
                std::snprintf(zeile, sizeof zeile, "XPos=%d YPos=%d \n", klickx, klicky);
                OutputDebugString(zeile);
                schuss();
            }
            break;
        case WM_LBUTTONUP: linkssperre = 0; break;
        case WM_RBUTTONDOWN:
            if (rechtssperre == 0) {
                rechtssperre = 1;
                nachladen();
            }
            break;
        case WM_RBUTTONUP: rechtssperre = 0; break;
        case WM_KEYDOWN:
            if (wparam == VK_ESCAPE || wparam == VK_F12) programmbeenden();
            break;
        case WM_CLOSE: programmbeenden(); break;
        default: break;
    }
    return 0;
}

void programmbeenden() {
    if (beendigunglaeuft || programmendet) return;
    beendigunglaeuft = true;
    highscore.schreiben();
    logozeigen();
    aufraeumen();
    PostQuitMessage(0);
}
