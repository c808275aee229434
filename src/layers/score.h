// The running game's score: raised and lowered by the hit reactions, shown by
// the score digits, reset by the game for every new game.
#pragma once
#include <cstdint>

extern std::int32_t punkte;
