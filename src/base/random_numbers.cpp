#include "base/random_numbers.h"

namespace {
// Unsigned, so the step wraps modulo 2^32 as it is meant to.
std::uint32_t zustand = 1;
}  // namespace

void zufallsstart(std::uint32_t saat) { zustand = saat; }

std::int32_t zufallszahl() {
    zustand = zustand * 214013u + 2531011u;
    return std::int32_t((zustand >> 16) & 0x7FFF);
}
