// What the recording and the replay of a game share with the loop's side of
// them in recorded_game.cpp; nothing else includes this.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/clock.h"
#include "platform/keys.h"
#include "platform/messages.h"
#include "shell/recording_format.h"

#ifndef FERROW_VERSION
#define FERROW_VERSION "0"
#endif

// The clock's second and the keys held as the game reads them while it is
// recorded or replayed; the ticks and the sleeps stay the clock's below.
struct Bandlage {
    const platform::Clock* uhr = nullptr;
    platform::KeyStateSource tastenquelle = nullptr;  // the keys below
    std::int64_t sekunde = 0;
    std::int64_t kalenderabstand = 0;  // calendar less clock seconds
    std::uint64_t tasten = 0;          // one bit per key of kAufnahmetasten
    std::uint32_t bilder = 0;          // frames run so far
    Aufnahmekopf kopf;
    std::FILE* ausgabe = stdout;
    std::FILE* fehler = stderr;
};
extern Bandlage bandlage;

// The keys as the source below answers now, one bit each.
std::uint64_t tastenlesen();
// A checksum of the picture the frame drew; false when there is none to take.
bool bildpruefsumme(std::uint32_t* summe);

// Recording (game_recorder.cpp), in the order the loop calls it.
bool aufnahmeanlegen(const std::string& pfad);
void aufnahmeverwerfen();
void aufnahmebeginnen();
void aufnahmegestartet();
void aufnehmen(const platform::Message& msg);
void aufnahmebild();
void aufnahmebildende();
void aufnahmeabschliessen();

// Replay (game_replayer.cpp), likewise.
bool wiedergabelesen(const std::string& pfad);
void wiedergabebeginnen();
bool wiedergabebild();
void wiedergabebildende(bool zeitmessung);
// Prints what the replay has to tell; false when it came out otherwise than
// its recording.
bool wiedergabemelden(bool zeitmessung);
