// The fatal error report, and the flag that tells everyone the program is ending.
#pragma once

// Set by the fatal report: from then on no start-up step, frame, message,
// logo or sound touches the display or sound objects, which are released.
extern bool programmendet;

// Shows the text in a box captioned "Fehlermeldung ", releases everything
// (once), and asks the message loop to end. Returns 0 to its caller, which
// abandons what it was doing.
int fehlerbox(const char* text);

// What the report does around its box, given by the owner of the display and
// sound objects: leave full screen first, so the box is not hidden behind the
// game, and release everything after it. Either may be null.
struct Fehlerfolgen {
    void (*vordermeldung)() = nullptr;
    void (*freigeben)() = nullptr;
};
void fehlerfolgensetzen(const Fehlerfolgen& folgen);
