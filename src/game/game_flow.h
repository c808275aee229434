// The game at the top level: start-up, the frame, the phases, shots and the clock.
#pragma once
#include <cstdint>

#include "graphics/palette_colours.h"
#include "layers/layer_numbers.h"
#include "layers/score.h"

extern std::uint8_t spiellaeuft;        // 1 = normal frames; 0 = countdown
extern std::uint8_t eingabefertig;      // 0 = the name entry runs
extern std::uint8_t spielendeerledigt;  // the game-over entry is made for this game
extern std::int32_t restzeit;           // seconds left: -1 name entry, 0 game over
extern std::uint8_t uhrlaeuft;          // the game clock advances restzeit
extern std::int32_t startzeit;          // clock second at which the clock was last based
extern std::int32_t zeitlimit;          // time left at startzeit
extern std::int32_t letzterestzeit;     // restzeit of the previous frame, for the warning tick
extern std::int32_t schuesse;           // shots left in the magazine
extern std::int32_t magazin;            // magazine size
extern std::int32_t countdownjetzt, countdownletzt;
extern int klickx, klicky;              // position of the last accepted left click

constexpr std::uint8_t kHintergrundfarbe = kFarbeHimmel;  // cleared every frame
constexpr std::uint8_t kCountdownfarbe = kFarbeSchwarz;
constexpr std::uint32_t kLogodauer = 5000;       // ms
constexpr std::int32_t kSpielzeit = 90;          // s
constexpr std::int32_t kMagazin = kPatronenplaetze;  // one cartridge shown per shot

void spielstart();
void spielschritt();
void logozeigen();
void schuss();
void nachladen();
void uhrneustart();

std::int32_t rundenstart();
std::int32_t spieluhr();
void namensphase();
void countdown();
void neuesspiel();
void patronenanzeige();
