// Run-length compressed BMP pixels (4 or 8 bits a pixel), as paint programs
// save palette pictures, unpacked into one colour index per pixel.
#pragma once
#include <cstddef>
#include <cstdint>

namespace platform {

// Unpacks `size` bytes of RLE4 (bits 4) or RLE8 (bits 8) data into `indices`
// (w x h, rows top-down, zero-filled beforehand: pixels that a delta or an
// early end of line skips keep index 0). The data holds the bottom row first.
// Pixels past a row's right end are dropped: tools encode the rows' padding
// too. False when pixels would go above the top row, a delta would leave the
// picture, or the data ends before its end-of-bitmap mark with rows missing.
bool DecodeRle(const std::uint8_t* data, std::size_t size, int bits, int w, int h, std::uint8_t* indices);

}  // namespace platform
