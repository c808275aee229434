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

// Fills entries [first, first + count) with a ramp through three colours, so
// that the middle of a ramp is a clean, saturated colour rather than the
// greyish blend of its two ends.
void ramp3(std::array<Rgb, 256>& p, int first, int count, Rgb dark, Rgb mid, Rgb light) {
    const int half = count / 2;
    ramp(p, first, half + 1, dark, mid);
    ramp(p, first + half, count - half, mid, light);
}

std::array<Rgb, 256> build() {
    std::array<Rgb, 256> p{};
    p[kBlack] = {0, 0, 0};
    p[kTextKey] = {252, 80, 80};
    p[kTransparent] = {255, 0, 255};
    ramp(p, 3, 16, {24, 24, 28}, {252, 252, 250});                          // greys: stone, sails
    ramp3(p, 19, 32, {6, 30, 80}, {24, 100, 170}, {110, 196, 228});         // sea, deep to the horizon
    ramp(p, 51, 12, {150, 206, 228}, {246, 252, 255});                      // foam and spray
    ramp(p, 63, 16, {150, 170, 206}, {252, 252, 255});                      // cloud shadows to cloud white
    ramp3(p, 79, 16, {128, 84, 36}, {232, 196, 120}, {255, 244, 204});      // sand
    ramp3(p, 95, 24, {10, 52, 22}, {58, 164, 44}, {204, 244, 112});         // greens
    ramp3(p, 119, 16, {52, 26, 10}, {150, 92, 42}, {232, 184, 116});        // palm browns and wood
    ramp3(p, 135, 24, {120, 30, 62}, {246, 132, 160}, {255, 228, 234});     // pig pinks
    ramp3(p, 159, 16, {84, 0, 12}, {222, 34, 30}, {255, 160, 120});         // reds
    ramp(p, 175, 8, {30, 34, 44}, {170, 180, 194});                         // gunmetal
    ramp3(p, 183, 9, {96, 60, 8}, {214, 160, 40}, {255, 236, 150});         // brass
    p[kSky] = {20, 144, 240};
    ramp(p, 193, 15, {8, 80, 190}, {182, 222, 252});                        // sky, zenith to haze
    ramp3(p, 208, 16, {206, 70, 0}, {255, 176, 0}, {255, 252, 170});        // sun oranges and yellows
    ramp(p, 224, 16, {22, 18, 46}, {255, 200, 40});                         // text: dark outline to gold
    ramp3(p, 240, 8, {54, 12, 72}, {150, 70, 170}, {226, 170, 240});        // violets for bruises and flowers
    ramp(p, 248, 7, {255, 236, 140}, {255, 255, 236});                      // lamp glow
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
