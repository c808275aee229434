// The palette entries the code relies on; every other entry is free for the
// pictures.
#pragma once
#include <cstdint>

constexpr std::uint8_t kFarbeSchwarz = 0;       // behind the countdown
constexpr std::uint8_t kFarbeTextgrund = 1;     // fill and colour key of text surfaces
constexpr std::uint8_t kFarbeDurchsichtig = 2;  // key of every transparent picture, never seen
constexpr std::uint8_t kFarbeHimmel = 192;      // cleared into the back buffer every frame
constexpr std::uint8_t kFarbeWeiss = 255;
