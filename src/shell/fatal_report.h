// The fatal error report, and the flag that tells everyone the program is ending.
#pragma once

// Set by the fatal report: from then on no start-up step, frame, message,
// logo or sound touches the display or sound objects, which are released.
extern bool programmendet;

// Shows the text in a box captioned "Fehlermeldung ", releases everything
// (once), and asks the message loop to end. Returns 0 to its caller, which
// abandons what it was doing.
int fehlerbox(const char* text);
