#include "shell/main_loop.h"

#include "base/fatal_report.h"
#include "game/game_flow.h"
#include "platform/clock.h"
#include "platform/display_device.h"
#include "platform/portable/frame_pacing.h"
#include "shell/recorded_game.h"

using namespace platform;

int WinMain() {
    bandbeginnen();
    const bool fenster = initfenster();
    bandgestartet();
    if (!fenster) {
        ShutdownVideo();
        return bandbeenden(programmendet ? 1 : 0);
    }

    Message msg;
    for (;;) {
        bool genommen;
        if (programmaktiv) {
            genommen = PeekMessage(&msg);
        } else {
            // Inactive: no frame runs until a message comes.
            GetMessage(&msg);
            genommen = true;
        }
        if (genommen) {
            if (msg.message == WM_QUIT) break;
            nachrichtzustellen(msg);
        } else if (programmaktiv && bildbeginnt()) {
            const std::uint32_t t0 = GetTickCount();
            spielschritt();
            bildendet();
            // At least 5 ms a frame, but a timedemo goes as fast as it can.
            while (Paced() && std::uint32_t(GetTickCount() - t0) < 5) {
            }
        }
    }

    aufraeumen();
    CloseFrameLog();
    DestroyWindow(hauptfenster);
    hauptfenster = nullptr;
    ShutdownVideo();
    return bandbeenden(programmendet ? 1 : int(msg.wparam));
}
