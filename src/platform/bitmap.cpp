#include "platform/bitmap.h"

#include <cstdio>
#include <cstring>
#include <unordered_map>
#include <vector>

#include "platform/bmp_rle.h"
#include "platform/fault_injection.h"
#include "platform/files.h"
#include "platform/internal.h"
#include "platform/resources.h"

namespace platform {
namespace {

std::uint16_t u16(const std::uint8_t* p) { return std::uint16_t(p[0] | p[1] << 8); }
std::uint32_t u32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

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

namespace internal {

// BMP files of 1, 4, 8, 16, 24 or 32 bits, bottom-up or top-down, with any
// of the usual info headers; 4- and 8-bit ones may also be run-length
// compressed (bottom-up only, as the format has them).
Bitmap* DecodeBmp(const std::uint8_t* data, std::size_t size) {
    if (!data || size < 26 || data[0] != 'B' || data[1] != 'M') return nullptr;
    const std::uint32_t offset = u32(data + 10);
    const std::uint32_t header = u32(data + 14);
    const std::uint8_t* info = data + 14;
    long long w, h;
    std::uint32_t bits, compression = kRgb, used = 0;
    std::size_t entry_size = 4;
    if (header == 12) {
        w = u16(info + 4);
        h = std::int16_t(u16(info + 6));
        bits = u16(info + 10);
        entry_size = 3;
    } else if (header >= 40 && header <= 124 && size >= 14 + std::size_t(header)) {
        w = std::int32_t(u32(info + 4));
        h = std::int32_t(u32(info + 8));
        bits = u16(info + 14);
        compression = u32(info + 16);
        used = u32(info + 32);
    } else {
        return nullptr;
    }
    const bool top_down = h < 0;
    if (top_down) h = -h;
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
    std::size_t after_header = 14 + std::size_t(header);
    if (compression == kBitfields) {
        const std::size_t at = header == 40 ? after_header : 14 + 40;
        if (size < at + 12) return nullptr;
        for (int i = 0; i < 3; ++i) masks[i] = u32(data + at + 4 * i);
        if (header == 40) after_header += 12;
    }
    if (bitmap->paletted()) {
        const std::uint32_t most = 1u << bits;
        const std::uint32_t n = used ? used : most;
        if (n > most || size < after_header + entry_size * n) return nullptr;
        for (std::uint32_t i = 0; i < n; ++i) {
            const std::uint8_t* e = data + after_header + entry_size * i;
            bitmap->colours.push_back({e[2], e[1], e[0]});
        }
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
                        const std::uint32_t v = bits == 16 ? u16(row + 2 * x) : u32(row + 4 * x);
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

bool KeyedArgb(const char* name, ResourceType type, std::vector<std::uint32_t>* pixels, int* w, int* h) {
    const Resource* res = FindResource(name, type);
    if (!res) return false;
    const std::vector<std::uint8_t> bytes = ResourceAsBmpFile(*res);
    const std::unique_ptr<Bitmap> b(DecodeBmp(bytes.data(), bytes.size()));
    if (!b) return false;
    *w = b->w;
    *h = b->h;
    pixels->resize(std::size_t(b->w) * std::size_t(b->h));
    for (std::size_t i = 0; i < pixels->size(); ++i) {
        const bool see_through = b->paletted() && b->bits == 8 && b->indices[i] == b->indices[0];
        const Rgb8 c = b->paletted() ? b->colours[b->indices[i]] : b->rgb[i];
        (*pixels)[i] = (see_through ? 0u : 0xFF000000u) | std::uint32_t(c.r) << 16 | std::uint32_t(c.g) << 8 | c.b;
    }
    return true;
}

}  // namespace internal

Bitmap* LoadBitmapFile(const char* path) {
    if (!path) return nullptr;
    std::FILE* f = OpenFile(path, "rb");
    if (!f) return nullptr;
    std::vector<std::uint8_t> bytes;
    std::uint8_t block[65536];
    for (;;) {
        const std::size_t got = ReadFile(block, sizeof block, f);
        bytes.insert(bytes.end(), block, block + got);
        if (got < sizeof block) break;
    }
    const bool failed = std::ferror(f) != 0;
    CloseFile(f);
    return failed ? nullptr : internal::DecodeBmp(bytes.data(), bytes.size());
}

Bitmap* LoadBitmapResource(const char* name) {
    const Resource* res = FindResource(name, ResourceType::Bitmap);
    if (!res) return nullptr;
    std::vector<std::uint8_t> bytes = ResourceAsBmpFile(*res);
    return internal::DecodeBmp(bytes.data(), bytes.size());
}

void DeleteBitmap(Bitmap* bitmap) { delete bitmap; }

int BitmapWidth(const Bitmap* b) { return b ? b->w : 0; }
int BitmapHeight(const Bitmap* b) { return b ? b->h : 0; }
int BitmapBitsPerPixel(const Bitmap* b) { return b ? b->bits : 0; }

std::uint8_t NearestEntry(const Rgb8& c, const PALETTEENTRY* palette) {
    int best = 0;
    long best_distance = -1;
    for (int i = 0; i < 256; ++i) {
        const long dr = palette[i].peRed - c.r, dg = palette[i].peGreen - c.g, db = palette[i].peBlue - c.b;
        const long d = dr * dr + dg * dg + db * db;
        if (best_distance < 0 || d < best_distance) {
            best_distance = d;
            best = i;
            if (d == 0) break;
        }
    }
    return std::uint8_t(best);
}

HRESULT StretchBitmap(Surface* dst, const Bitmap* src, int x, int y, int w, int h) {
    if (!dst || !src) return E_FAIL;
    IndexedImage* to = dst->impl()->plain.get();
    if (!to || w <= 0 || h <= 0) return E_FAIL;
    const PALETTEENTRY* palette = internal::SharedColours().data();

    // Paletted bitmaps map their colour table once; others map each distinct
    // colour once.
    std::vector<std::uint8_t> table;
    for (const Rgb8& c : src->colours) table.push_back(NearestEntry(c, palette));
    std::unordered_map<std::uint32_t, std::uint8_t> cache;

    for (int dy = 0; dy < to->h; ++dy) {
        const int sy = y + int((long long)dy * h / to->h);
        if (sy < 0 || sy >= src->h) continue;
        std::uint8_t* out = to->row(dy);
        const std::size_t from = std::size_t(sy) * std::size_t(src->w);
        for (int dx = 0; dx < to->w; ++dx) {
            const int sx = x + int((long long)dx * w / to->w);
            if (sx < 0 || sx >= src->w) continue;
            if (src->paletted()) {
                out[dx] = table[src->indices[from + std::size_t(sx)]];
                continue;
            }
            const Rgb8 c = src->rgb[from + std::size_t(sx)];
            const std::uint32_t key = std::uint32_t(c.r) << 16 | std::uint32_t(c.g) << 8 | c.b;
            auto it = cache.find(key);
            if (it == cache.end()) it = cache.emplace(key, NearestEntry(c, palette)).first;
            out[dx] = it->second;
        }
    }
    return DD_OK;
}

}  // namespace platform
