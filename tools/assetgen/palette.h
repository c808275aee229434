// The game palette: 255 colours of our own, stored as the "DONUT" resource.
#pragma once
#include <array>
#include <cstdint>

namespace assetgen {

struct Rgb {
    std::uint8_t r, g, b;
};

// Entries the game's code names; every other entry is free for the art.
constexpr std::uint8_t kBlack = 0;        // countdown background
constexpr std::uint8_t kTextKey = 1;      // fill and key colour of text surfaces
constexpr std::uint8_t kTransparent = 2;  // key of every transparent picture, never visible
constexpr std::uint8_t kSky = 192;        // cleared into the back buffer every frame
constexpr std::uint8_t kWhite = 255;      // stays white from the built-in ramp

// Colours declared by "DONUT"; entry 255 is left to the ramp.
constexpr int kPaletteColours = 255;

const std::array<Rgb, 256>& game_palette();

// Nearest visible entry (never the transparent or text key) to a colour.
std::uint8_t nearest(int r, int g, int b);

}  // namespace assetgen
