// Writes 8-bit uncompressed bitmaps whose colour table is the game palette.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "image.h"

namespace assetgen {

// The info header, colour table and pixels, as a program resource holds them.
std::vector<std::uint8_t> dib_bytes(const Image& image, int colours_used);

// The same behind the 14-byte file header, as a picture file holds them.
std::vector<std::uint8_t> bmp_file_bytes(const Image& image);

bool write_file(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace assetgen
