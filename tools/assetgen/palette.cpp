#include "palette.h"

#include <climits>

namespace assetgen {
namespace {

// Fills entries [first, first + count) with an even ramp from a to b.
void ramp(std::array<Rgb, 256>& p, int first, int count, Rgb a, Rgb b) {
    for (int i = 0; i < count; ++i) {
        int t = count > 1 ? i * 1000 / (count - 1) : 0;
        p[first + i] = {std::uint8_t(a.r + (b.r - a.r) * t / 1000), std::uint8_t(a.g + (b.g - a.g) * t / 1000),
                        std::uint8_t(a.b + (b.b - a.b) * t / 1000)};
    }
}

std::array<Rgb, 256> build() {
    std::array<Rgb, 256> p{};
    p[kBlack] = {0, 0, 0};
    p[kTextKey] = {252, 80, 80};
    p[kTransparent] = {255, 0, 255};
    ramp(p, 3, 16, {24, 24, 28}, {240, 240, 236});        // greys: outlines, stone, sails
    ramp(p, 19, 32, {4, 34, 78}, {84, 178, 214});         // sea, deep to the horizon
    ramp(p, 51, 12, {150, 206, 228}, {246, 252, 255});    // foam and spray
    ramp(p, 63, 16, {138, 160, 196}, {252, 252, 255});    // cloud shadows to cloud white
    ramp(p, 79, 16, {118, 86, 38}, {252, 232, 172});      // sand
    ramp(p, 95, 24, {12, 52, 14}, {176, 232, 84});        // greens
    ramp(p, 119, 16, {48, 24, 10}, {206, 156, 96});       // palm browns and wood
    ramp(p, 135, 24, {112, 22, 44}, {255, 218, 224});     // pig pinks
    ramp(p, 159, 16, {76, 0, 0}, {255, 96, 64});          // reds
    ramp(p, 175, 8, {30, 34, 44}, {156, 166, 180});       // gunmetal
    ramp(p, 183, 9, {92, 60, 10}, {252, 222, 122});       // brass
    p[kSky] = {20, 144, 240};
    ramp(p, 193, 15, {8, 88, 196}, {176, 218, 250});      // sky, zenith to haze
    ramp(p, 208, 16, {204, 78, 0}, {255, 252, 168});      // sun oranges and yellows
    ramp(p, 224, 16, {20, 18, 52}, {255, 200, 40});       // text: dark outline to gold
    ramp(p, 240, 8, {60, 14, 80}, {220, 150, 240});       // violets for shadows and flowers
    ramp(p, 248, 7, {255, 236, 140}, {255, 255, 236});    // lamp glow
    p[kWhite] = {255, 255, 255};
    return p;
}

}  // namespace

const std::array<Rgb, 256>& game_palette() {
    static const std::array<Rgb, 256> palette = build();
    return palette;
}

std::uint8_t nearest(int r, int g, int b) {
    const auto& p = game_palette();
    int best = kBlack;
    int best_distance = INT_MAX;
    for (int i = 0; i < 256; ++i) {
        if (i == kTransparent || i == kTextKey) continue;
        int dr = p[i].r - r, dg = p[i].g - g, db = p[i].b - b;
        int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (d < best_distance) {
            best_distance = d;
            best = i;
        }
    }
    return std::uint8_t(best);
}

}  // namespace assetgen
