#include "png_writer.h"

#include <algorithm>
#include <string>

#include "palette.h"

namespace assetgen {
namespace {

std::uint32_t crc32(const std::uint8_t* data, std::size_t n, std::uint32_t crc = 0) {
    crc = ~crc;
    for (std::size_t i = 0; i < n; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) out.push_back(std::uint8_t(v >> s));
}

void chunk(std::vector<std::uint8_t>& out, const char* type, const std::vector<std::uint8_t>& data) {
    put32(out, std::uint32_t(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    put32(out, crc32(out.data() + start, out.size() - start));
}

// A zlib stream of stored (uncompressed) blocks: icons are tiny, and every
// reader must accept them.
std::vector<std::uint8_t> zlib_stored(const std::vector<std::uint8_t>& raw) {
    std::vector<std::uint8_t> out = {0x78, 0x01};
    std::size_t pos = 0;
    do {
        const std::size_t n = std::min<std::size_t>(raw.size() - pos, 65535);
        out.push_back(pos + n == raw.size() ? 1 : 0);
        out.push_back(std::uint8_t(n));
        out.push_back(std::uint8_t(n >> 8));
        out.push_back(std::uint8_t(~n));
        out.push_back(std::uint8_t(~n >> 8));
        out.insert(out.end(), raw.begin() + pos, raw.begin() + pos + n);
        pos += n;
    } while (pos < raw.size());
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    put32(out, b << 16 | a);
    return out;
}

}  // namespace

std::vector<std::uint8_t> png_bytes(const Image& image, int scale) {
    const int w = image.width * scale, h = image.height * scale;
    std::vector<std::uint8_t> raw;
    raw.reserve(std::size_t(h) * (1 + 4 * std::size_t(w)));
    for (int y = 0; y < h; ++y) {
        raw.push_back(0);  // no row filter
        for (int x = 0; x < w; ++x) {
            const std::uint8_t index = image.at(x / scale, y / scale);
            const Rgb c = game_palette()[index];
            raw.insert(raw.end(), {c.r, c.g, c.b, std::uint8_t(index == kTransparent ? 0 : 255)});
        }
    }
    std::vector<std::uint8_t> header;
    put32(header, std::uint32_t(w));
    put32(header, std::uint32_t(h));
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, no interlace

    std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    chunk(out, "IHDR", header);
    chunk(out, "IDAT", zlib_stored(raw));
    chunk(out, "IEND", {});
    return out;
}

}  // namespace assetgen

namespace assetgen {

std::vector<std::uint8_t> ico_bytes(const std::vector<std::vector<std::uint8_t>>& pngs, const std::vector<int>& sizes) {
    std::vector<std::uint8_t> out;
    auto put = [&out](std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) out.push_back(std::uint8_t(v >> (8 * i)));
    };
    put(0, 2);
    put(1, 2);  // an icon, not a cursor
    put(std::uint32_t(pngs.size()), 2);
    std::uint32_t offset = std::uint32_t(6 + 16 * pngs.size());
    for (std::size_t i = 0; i < pngs.size(); ++i) {
        const std::uint32_t side = std::uint32_t(sizes[i]) & 0xFF;  // 0 stands for 256
        put(side, 1);
        put(side, 1);
        put(0, 2);   // no colour table
        put(1, 2);   // planes
        put(32, 2);  // bits a pixel
        put(std::uint32_t(pngs[i].size()), 4);
        put(offset, 4);
        offset += std::uint32_t(pngs[i].size());
    }
    for (const auto& png : pngs) out.insert(out.end(), png.begin(), png.end());
    return out;
}

}  // namespace assetgen
