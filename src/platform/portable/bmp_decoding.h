// Our own BMP decoder, shared by every backend: the bytes of a file, with
// no device behind them, become a bitmap the platform can map and stretch.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/portable/bmp_header.h"

namespace platform {

// A bitmap read from a BMP file, rows top-down: a colour table with one
// index per pixel, or a colour per pixel.
class Bitmap {
public:
    int w = 0, h = 0, bits = 0;
    std::vector<Rgb8> colours;          // paletted only
    std::vector<std::uint8_t> indices;  // paletted only
    std::vector<Rgb8> rgb;              // otherwise
    bool paletted() const { return bits <= 8; }
};

// A BMP file's bytes, decoded; null when they are not a usable BMP. Files
// of 1, 4, 8, 16, 24 or 32 bits, bottom-up or top-down, with any of the
// usual info headers; 4- and 8-bit ones may also be run-length compressed
// (bottom-up only, as the format has them).
Bitmap* DecodeBmp(const std::uint8_t* data, std::size_t size);

}  // namespace platform
