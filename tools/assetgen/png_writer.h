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

namespace assetgen {

// A Windows icon file that holds the given PNG pictures (square, at most
// 256 pixels a side) as its sizes, as Windows has taken them since Vista.
std::vector<std::uint8_t> ico_bytes(const std::vector<std::vector<std::uint8_t>>& pngs, const std::vector<int>& sizes);

}  // namespace assetgen
