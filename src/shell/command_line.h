// What the player asks for on the command line.
#pragma once
#include <cstdio>

// Start the game (the result of befehlszeile when nothing ends it first).
constexpr int kSpielen = -1;

// Reads the options: --windowed or --fullscreen and --integer-scaling or
// --fill choose for this run over the kept settings, --nosound the silent
// sound device, --help and --version answer on `ausgabe`, anything else is
// refused on `fehler`. Returns kSpielen, or the exit status when the program
// is to end without opening a window.
int befehlszeile(int argc, const char* const* argv, std::FILE* ausgabe, std::FILE* fehler);
