#include "base/fatal_report.h"

#include "platform/debug_output.h"
#include "platform/message_box.h"
#include "platform/messages.h"

bool programmendet = false;

namespace {
Fehlerfolgen folgen;
}

void fehlerfolgensetzen(const Fehlerfolgen& neu) { folgen = neu; }

int fehlerbox(const char* text) {
    if (folgen.vordermeldung) folgen.vordermeldung();
    platform::OutputDebugString(text);
    platform::MessageBox(text, "Fehlermeldung ");
    programmendet = true;
    if (folgen.freigeben) folgen.freigeben();
    platform::PostQuitMessage(0);
    return 0;
}
