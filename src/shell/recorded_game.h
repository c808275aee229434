// Recorded games. What a game reads (the messages the window procedure acts
// upon, the keys each frame finds held, the clock's second) is written to a
// file as it is played, or read back from one to play the same game again,
// frame for frame: at the normal pace, or as fast as it goes to measure it.
#pragma once
#include <cstdio>
#include <string>

#include "platform/messages.h"

enum class Band { keins, aufnahme, wiedergabe, zeitmessung };

// Chooses what the next run of the loop does, from the command line. The
// recording is made or read and checked now, before any window opens; false,
// after one line on `fehler`, when that fails. A replay keeps nothing (see
// platform::SavingAllowed); a timedemo waits for nothing. What a replay has
// to tell at its end goes to `ausgabe`, differences to `fehler`.
bool bandvorbereiten(Band art, const std::string& pfad, std::FILE* ausgabe, std::FILE* fehler);

// The message loop's side, in the loop's order.
// Before the window: the clock and the keys are the recording's from now on.
void bandbeginnen();
// After the start-up, whether it went through or not.
void bandgestartet();
// A message for the window procedure. Noted while recording; while
// replaying only Escape, F12 and closing the window pass, which end it.
void nachrichtzustellen(const platform::Message& msg);
// Before a frame; false when none is to run (the replay has ended).
bool bildbeginnt();
void bildendet();
// After the loop: the recording is completed, a replay tells how it went.
// The exit status: the game's, or 3 when a replay differed from its recording.
int bandbeenden(int status);
