// The 8-bit picture through the palette table into an output of 2, 3 or 4
// bytes a pixel, scaled into a rectangle of that output. Pure memory work,
// kept apart so that it can be checked against a pixel-by-pixel reference
// and timed against a plain copy.
#pragma once
#include <cstdint>

#include "platform/portable/presentation.h"

namespace platform {

struct PixelTarget {
    std::uint8_t* pixels;  // the output's top-left pixel
    int pitch;             // bytes from one output row to the next
    int bytes_per_pixel;   // 2, 3 or 4; each table entry's low bytes are written
};

// Every pixel of `view` (which must lie inside the output) gets the table's
// colour of the image pixel it shows. A view that is the image times a whole
// factor k converts each image row once, widened k times, and copies that row
// k - 1 times; any other size picks the nearest image pixel.
void ConvertScaled(const std::uint8_t* image, int image_pitch, const std::uint32_t* lut, const PixelTarget& out,
                   const ViewRect& view);

// One image row of kImageWidth pixels through the table into 32-bit pixels.
void ConvertImageRow(const std::uint8_t* in, const std::uint32_t* lut, std::uint8_t* out);

// The view is the image times a whole factor and the output has 4 bytes a
// pixel: only image rows first .. first + count - 1 need converting then.
bool IsWholeFactorView(const PixelTarget& out, const ViewRect& view);
void ConvertScaledRows(const std::uint8_t* image, int image_pitch, const std::uint32_t* lut, const PixelTarget& out,
                       const ViewRect& view, int first, int count);

}  // namespace platform
