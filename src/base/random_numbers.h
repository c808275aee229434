// The program's one pseudo-random generator. Its sequence is part of the
// game: layers, shots, the scene and the spawner draw from it in a fixed order.
#pragma once
#include <cstdint>

// Seeds the generator (start-up and every new game use the calendar time).
void zufallsstart(std::uint32_t saat);

// The next value, 0 to 32767.
std::int32_t zufallszahl();

// A draw from 0 to modulo - 1, as the game takes most of them.
inline std::int32_t zufall(std::int32_t modulo) { return zufallszahl() % modulo; }
