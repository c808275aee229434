// Ties the fatal report to the display and sound objects the shell sets up.
#pragma once

// From now on a fatal report leaves full screen before its box and releases
// every display and sound object after it, as long as a display exists.
void fehlerberichtanbinden();
