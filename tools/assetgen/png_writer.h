// Writes pictures as PNG files for the desktop's icon folders.
#pragma once
#include <cstdint>
#include <vector>

#include "image.h"

namespace assetgen {

// The picture in true colour, enlarged by a whole factor, with every pixel of
// the transparent key left see-through.
std::vector<std::uint8_t> png_bytes(const Image& image, int scale);

}  // namespace assetgen
