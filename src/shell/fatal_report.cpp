#include "shell/fatal_report.h"

#include "platform/debug_output.h"
#include "platform/message_box.h"
#include "platform/messages.h"
#include "shell/display.h"
#include "shell/main_loop.h"

bool programmendet = false;

int fehlerbox(const char* text) {
    // Out of full-screen first, or the box would be hidden behind the game.
    if (lpdd) lpdd->FlipToGDISurface();
    platform::OutputDebugString(text);
    platform::MessageBox(text, "Fehlermeldung ");
    programmendet = true;
    if (lpdd) aufraeumen();
    platform::PostQuitMessage(0);
    return 0;
}
