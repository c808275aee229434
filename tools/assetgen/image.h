// An 8-bit picture in the game palette's indices, the unit every drawing
// routine of the generator works on.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;  // row-major, top row first

    Image() = default;
    Image(int w, int h, std::uint8_t fill) : width(w), height(h), pixels(std::size_t(w) * h, fill) {}

    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    std::uint8_t at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
    void set(int x, int y, std::uint8_t c) {
        if (inside(x, y)) pixels[std::size_t(y) * width + x] = c;
    }
};

// A finished picture file of the data folder.
struct PictureFile {
    std::string name;
    Image image;
};

}  // namespace assetgen
