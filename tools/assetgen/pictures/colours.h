// The palette's ramps as the art uses them: each runs from dark to light.
#pragma once
#include <cstdint>

#include "palette.h"

namespace assetgen {

struct Ramp {
    std::uint8_t first;
    std::uint8_t count;
    std::uint8_t at(double tone) const;  // tone 0 = darkest, 1 = lightest
};

inline std::uint8_t Ramp::at(double tone) const {
    int i = int(tone * (count - 1) + 0.5);
    i = i < 0 ? 0 : (i >= count ? count - 1 : i);
    return std::uint8_t(first + i);
}

constexpr Ramp kGreys{3, 16};
constexpr Ramp kSea{19, 32};
constexpr Ramp kFoam{51, 12};
constexpr Ramp kCloud{63, 16};
constexpr Ramp kSand{79, 16};
constexpr Ramp kGreens{95, 24};
constexpr Ramp kWood{119, 16};
constexpr Ramp kPinks{135, 24};
constexpr Ramp kReds{159, 16};
constexpr Ramp kGunmetal{175, 8};
constexpr Ramp kBrass{183, 9};
constexpr Ramp kSkyBlues{193, 15};
constexpr Ramp kSunColours{208, 16};
constexpr Ramp kTextGold{224, 16};
constexpr Ramp kViolets{240, 8};
constexpr Ramp kGlow{248, 7};

// The dark line around every cartoon shape.
constexpr std::uint8_t kInk = 224;
// A darker blue line for water, which would look cut out with black ink.
constexpr std::uint8_t kWaterInk = 21;

}  // namespace assetgen
