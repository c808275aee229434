// The game palette: 255 colours of our own, stored as the "DONUT" resource.
#pragma once
#include <array>
#include <cstdint>

#include "graphics/palette_colours.h"

namespace assetgen {

struct Rgb {
    std::uint8_t r, g, b;
};

// Entries the game's code names; every other entry is free for the art.
constexpr std::uint8_t kBlack = kFarbeSchwarz;
constexpr std::uint8_t kTextKey = kFarbeTextgrund;
constexpr std::uint8_t kTransparent = kFarbeDurchsichtig;
constexpr std::uint8_t kSky = kFarbeHimmel;
constexpr std::uint8_t kWhite = kFarbeWeiss;  // stays white from the built-in ramp

// Colours declared by "DONUT"; entry 255 is left to the ramp.
constexpr int kPaletteColours = 255;

const std::array<Rgb, 256>& game_palette();

// Nearest visible entry (never the transparent or text key) to a colour.
std::uint8_t nearest(int r, int g, int b);

}  // namespace assetgen
