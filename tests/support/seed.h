// The seed of a random test: FERROW_SEED when set, so a failure can be run again, else a fresh one; printed either way.
#pragma once
#include <cstdio>
#include <cstdlib>
#include <random>

inline unsigned TestSeed() {
    const char* env = std::getenv("FERROW_SEED");
    const unsigned seed = env ? unsigned(std::strtoul(env, nullptr, 10)) : std::random_device{}();
    std::printf("seed %u (FERROW_SEED replays it)\n", seed);
    return seed;
}
