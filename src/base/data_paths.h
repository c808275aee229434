// Where the game's data lies, and where the highscore file may be written.
#pragma once
#include <string>

constexpr int kPfadlaenge = 260;

extern char basisordner[kPfadlaenge];   // the current folder at start-up
extern char datenordner[kPfadlaenge];   // the data folder; current from start-up on

// Reads the current folder into basisordner.
void basisordnerholen();

// Chooses the data folder for the data set and makes it the current folder:
// data/<name> below the start folder, else beside the program, else in the
// installed program's share folder.
void datenordnersetzen(const char* name);

// The folder for "hight.dat": the data folder when it can be written, else
// the user's data folder for the game (made if need be). Ends with '/', or
// is empty for the current folder.
std::string highscoreordner();

// The user's own data folder for the game, made if need be: $XDG_DATA_HOME/ferrow/
// or ~/.local/share/ferrow/ (%APPDATA%\ferrow\ on Windows); empty when none is known.
std::string benutzerordner();
