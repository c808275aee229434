#include "shell/fatal_report.h"

#include "base/fatal_report.h"
#include "graphics/display.h"
#include "shell/main_loop.h"

void fehlerberichtanbinden() {
    Fehlerfolgen folgen;
    folgen.vordermeldung = [] {
        if (lpdd) lpdd->FlipToGDISurface();
    };
    folgen.freigeben = [] {
        if (lpdd) aufraeumen();
    };
    fehlerfolgensetzen(folgen);
}
