#include "bmp_writer.h"

#include <cstdio>

#include "palette.h"

namespace assetgen {
namespace {

void put16(std::vector<std::uint8_t>& out, unsigned v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

}  // namespace

std::vector<std::uint8_t> dib_bytes(const Image& image, int colours_used) {
    const int stride = (image.width + 3) & ~3;
    std::vector<std::uint8_t> out;
    out.reserve(40 + 1024 + std::size_t(stride) * image.height);
    put32(out, 40);
    put32(out, std::uint32_t(image.width));
    put32(out, std::uint32_t(image.height));  // positive: rows stored bottom-up
    put16(out, 1);
    put16(out, 8);
    put32(out, 0);  // uncompressed
    put32(out, std::uint32_t(stride * image.height));
    put32(out, 2835);
    put32(out, 2835);
    put32(out, std::uint32_t(colours_used));
    put32(out, 0);
    const auto& palette = game_palette();
    const int table = colours_used == 0 ? 256 : colours_used;
    for (int i = 0; i < table; ++i) {
        out.push_back(palette[i].b);
        out.push_back(palette[i].g);
        out.push_back(palette[i].r);
        out.push_back(0);
    }
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) out.push_back(image.at(x, y));
        for (int x = image.width; x < stride; ++x) out.push_back(0);
    }
    return out;
}

std::vector<std::uint8_t> bmp_file_bytes(const Image& image) {
    std::vector<std::uint8_t> dib = dib_bytes(image, 256);
    std::vector<std::uint8_t> out;
    out.reserve(14 + dib.size());
    out.push_back('B');
    out.push_back('M');
    put32(out, std::uint32_t(14 + dib.size()));
    put32(out, 0);
    put32(out, 14 + 40 + 1024);
    out.insert(out.end(), dib.begin(), dib.end());
    return out;
}

bool write_file(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fclose(f) == 0 && ok;
    return ok;
}

}  // namespace assetgen
