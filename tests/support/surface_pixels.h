// A surface's pixels, row after row, read in one lock.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/surface.h"

struct Pixels {
    int w = 0, h = 0;
    std::vector<std::uint8_t> p;
    std::uint8_t& at(int x, int y) { return p[std::size_t(y) * std::size_t(w) + std::size_t(x)]; }
};

inline Pixels pixels(platform::Surface* s) {
    platform::SurfaceDesc d;
    EXPECT_EQ(s->Lock(nullptr, &d), platform::DD_OK);
    Pixels out{d.width, d.height, {}};
    for (int y = 0; y < d.height; ++y) out.p.insert(out.p.end(), d.surface + y * d.pitch, d.surface + y * d.pitch + d.width);
    s->Unlock();
    return out;
}
inline std::uint8_t pixel(platform::Surface* s, int x, int y) { return pixels(s).at(x, y); }
