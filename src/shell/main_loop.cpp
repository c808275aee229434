#include "shell/main_loop.h"

#include "base/fatal_report.h"
#include "game/game_flow.h"
#include "platform/clock.h"
#include "platform/display_device.h"

using namespace platform;

int WinMain() {
    if (!initfenster()) {
        ShutdownVideo();
        return programmendet ? 1 : 0;
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
            fensterproc(msg.window, msg.message, msg.wparam, msg.lparam);
        } else if (programmaktiv) {
            const std::uint32_t t0 = GetTickCount();
            spielschritt();
            while (std::uint32_t(GetTickCount() - t0) < 5) {
            }
        }
    }

    aufraeumen();
    CloseFrameLog();
    DestroyWindow(hauptfenster);
    hauptfenster = nullptr;
    ShutdownVideo();
    return programmendet ? 1 : int(msg.wparam);
}
