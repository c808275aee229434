// A fixed-seed generator for scattering details (drops, sparkles, wave
// dashes), so every run of the generator draws the same pictures.
#pragma once
#include <cstdint>

namespace assetgen {

class Scatter {
public:
    explicit Scatter(std::uint32_t seed) : state_(seed) {}
    // Uniform in [0, 1).
    double next() {
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) * (1.0 / 16777216.0);
    }
    double between(double lo, double hi) { return lo + (hi - lo) * next(); }

private:
    std::uint32_t state_;
};

}  // namespace assetgen
