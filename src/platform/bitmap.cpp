#include "platform/bitmap.h"

#include <cstdio>
#include <cstring>
#include <unordered_map>
#include <vector>

#include "platform/files.h"
#include "platform/internal.h"
#include "platform/portable/bmp_decoding.h"
#include "platform/resources.h"
#include "platform/testing/fault_injection.h"

namespace platform {
namespace internal {

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
    return failed ? nullptr : DecodeBmp(bytes.data(), bytes.size());
}

Bitmap* LoadBitmapResource(const char* name) {
    const Resource* res = FindResource(name, ResourceType::Bitmap);
    if (!res) return nullptr;
    std::vector<std::uint8_t> bytes = ResourceAsBmpFile(*res);
    return DecodeBmp(bytes.data(), bytes.size());
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
