#include "platform/portable/bmp_decoding.h"

#include <memory>
#include <new>

#include "platform/portable/bmp_rle.h"
#include "platform/portable/byte_order.h"

namespace platform {
namespace {

constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3;
// Larger pictures than any of the game's are refused, so that a damaged
// header cannot ask for gigabytes.
constexpr long long kMostPixels = 1LL << 26;

// One channel of a bit-field pixel, scaled to 0..255.
std::uint8_t channel(std::uint32_t value, std::uint32_t mask) {
    if (!mask) return 0;
    int shift = 0;
    while (!(mask >> shift & 1)) ++shift;
    const std::uint32_t top = mask >> shift;
    return std::uint8_t(((value & mask) >> shift) * 255u / top);
}

}  // namespace

Bitmap* DecodeBmp(const std::uint8_t* data, std::size_t size) {
    BmpInfoHeader info;
    if (!data || size < kBmpFileHeaderSize || data[0] != 'B' || data[1] != 'M') return nullptr;
    if (!ReadBmpInfoHeader(data + kBmpFileHeaderSize, size - kBmpFileHeaderSize, &info)) return nullptr;
    const std::uint32_t offset = le32(data + 10);
    const std::uint32_t bits = info.bits, compression = info.compression;
    const long long w = info.width;
    const bool top_down = info.height < 0;
    const long long h = top_down ? -info.height : info.height;
    if (w <= 0 || h <= 0 || w * h > kMostPixels) return nullptr;
    const bool rle = (compression == kRle8 && bits == 8) || (compression == kRle4 && bits == 4);
    if (compression != kRgb && !rle && !(compression == kBitfields && (bits == 16 || bits == 32))) return nullptr;
    if (rle && top_down) return nullptr;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return nullptr;

    auto bitmap = std::unique_ptr<Bitmap>(new (std::nothrow) Bitmap);
    if (!bitmap) return nullptr;
    bitmap->w = int(w);
    bitmap->h = int(h);
    bitmap->bits = int(bits);

    // Bit-field masks follow a 40-byte header; longer headers hold them.
    std::uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F};
    if (bits == 32) masks[0] = 0xFF0000, masks[1] = 0xFF00, masks[2] = 0xFF;
    std::size_t after_header = kBmpFileHeaderSize + std::size_t(info.size);
    if (compression == kBitfields) {
        const std::size_t at = info.size == 40 ? after_header : kBmpFileHeaderSize + 40;
        if (size < at + 12) return nullptr;
        for (int i = 0; i < 3; ++i) masks[i] = le32(data + at + 4 * i);
        if (info.size == 40) after_header += 12;
    }
    if (bitmap->paletted()) {
        const std::uint32_t n = DeclaredColours(info);
        if (n > 1u << bits || size < after_header + info.entry_size * n) return nullptr;
        for (std::uint32_t i = 0; i < n; ++i)
            bitmap->colours.push_back(ColourTableEntry(data + after_header, info.entry_size, i));
    }

    if (offset > size) return nullptr;
    if (bitmap->paletted()) bitmap->indices.resize(std::size_t(w * h));
    else bitmap->rgb.resize(std::size_t(w * h));
    if (rle) {
        if (!DecodeRle(data + offset, size - offset, int(bits), int(w), int(h), bitmap->indices.data())) return nullptr;
    } else {
        const std::size_t stride = (std::size_t(w) * bits + 31) / 32 * 4;
        if ((size - offset) / stride < std::size_t(h)) return nullptr;
        for (long long y = 0; y < h; ++y) {
            const std::uint8_t* row = data + offset + stride * std::size_t(top_down ? y : h - 1 - y);
            for (long long x = 0; x < w; ++x) {
                const std::size_t at = std::size_t(y * w + x);
                switch (bits) {
                    case 1: bitmap->indices[at] = row[x / 8] >> (7 - x % 8) & 1; break;
                    case 4: bitmap->indices[at] = row[x / 2] >> (x % 2 ? 0 : 4) & 0xF; break;
                    case 8: bitmap->indices[at] = row[x]; break;
                    case 24: bitmap->rgb[at] = {row[3 * x + 2], row[3 * x + 1], row[3 * x]}; break;
                    default: {
                        const std::uint32_t v = bits == 16 ? le16(row + 2 * x) : le32(row + 4 * x);
                        bitmap->rgb[at] = {channel(v, masks[0]), channel(v, masks[1]), channel(v, masks[2])};
                    }
                }
            }
        }
    }
    // A pixel beyond the colour table makes the file unusable.
    for (const std::uint8_t index : bitmap->indices)
        if (index >= bitmap->colours.size()) return nullptr;
    return bitmap.release();
}

}  // namespace platform
