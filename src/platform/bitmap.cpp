#include "platform/bitmap.h"

#include <cstring>
#include <unordered_map>
#include <vector>

#include "platform/fault_injection.h"
#include "platform/internal.h"
#include "platform/resources.h"

namespace platform {

class Bitmap {
public:
    SDL_Surface* sdl;
};

namespace internal {

SDL_Surface* LoadBmpBytes(const std::uint8_t* data, std::size_t size) {
    SDL_RWops* rw = SDL_RWFromConstMem(data, int(size));
    return rw ? SDL_LoadBMP_RW(rw, 1) : nullptr;
}

}  // namespace internal

namespace {

Bitmap* wrap(SDL_Surface* s) { return s ? new Bitmap{s} : nullptr; }

Rgb8 colour_at(const SDL_Surface* s, int x, int y) {
    const std::uint8_t* row = static_cast<const std::uint8_t*>(s->pixels) + y * s->pitch;
    const int bpp = s->format->BytesPerPixel;
    std::uint32_t value = 0;
    switch (bpp) {
        case 1: value = row[x]; break;
        case 2: {
            std::uint16_t v16;
            std::memcpy(&v16, row + 2 * x, 2);
            value = v16;
            break;
        }
        case 3: value = std::uint32_t(row[3 * x]) | std::uint32_t(row[3 * x + 1]) << 8 | std::uint32_t(row[3 * x + 2]) << 16; break;
        default: std::memcpy(&value, row + 4 * x, 4); break;
    }
    Rgb8 c{};
    SDL_GetRGB(value, s->format, &c.r, &c.g, &c.b);
    return c;
}

}  // namespace

Bitmap* LoadBitmapFile(const char* path) {
    if (!path) return nullptr;
    SDL_RWops* rw = CallFails(Operation::FileOpen) ? nullptr : SDL_RWFromFile(path, "rb");
    if (rw && CallFails(Operation::FileRead)) {
        SDL_RWclose(rw);
        return nullptr;
    }
    return rw ? wrap(SDL_LoadBMP_RW(rw, 1)) : nullptr;
}

Bitmap* LoadBitmapResource(const char* name) {
    const Resource* res = FindResource(name, ResourceType::Bitmap);
    if (!res) return nullptr;
    std::vector<std::uint8_t> bytes = ResourceAsBmpFile(*res);
    return wrap(internal::LoadBmpBytes(bytes.data(), bytes.size()));
}

void DeleteBitmap(Bitmap* bitmap) {
    if (!bitmap) return;
    SDL_FreeSurface(bitmap->sdl);
    delete bitmap;
}

int BitmapWidth(const Bitmap* b) { return b ? b->sdl->w : 0; }
int BitmapHeight(const Bitmap* b) { return b ? b->sdl->h : 0; }
int BitmapBitsPerPixel(const Bitmap* b) { return b ? b->sdl->format->BitsPerPixel : 0; }

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
    SDL_Surface* from = src->sdl;
    SDL_Surface* to = dst->impl()->plain;
    if (!to || w <= 0 || h <= 0) return E_FAIL;

    PALETTEENTRY palette[256];
    const SDL_Palette* shared = internal::SharedPalette();
    for (int i = 0; i < 256; ++i)
        palette[i] = {shared->colors[i].r, shared->colors[i].g, shared->colors[i].b, 0};

    // Paletted bitmaps map their colour table once; others map each distinct
    // colour once.
    std::vector<std::uint8_t> table;
    if (from->format->palette) {
        const SDL_Palette* p = from->format->palette;
        table.resize(256, 0);
        for (int i = 0; i < p->ncolors && i < 256; ++i)
            table[i] = NearestEntry({p->colors[i].r, p->colors[i].g, p->colors[i].b}, palette);
    }
    std::unordered_map<std::uint32_t, std::uint8_t> cache;

    if (SDL_MUSTLOCK(from)) SDL_LockSurface(from);
    for (int dy = 0; dy < to->h; ++dy) {
        const int sy = y + int((long long)dy * h / to->h);
        if (sy < 0 || sy >= from->h) continue;
        std::uint8_t* out = static_cast<std::uint8_t*>(to->pixels) + dy * to->pitch;
        for (int dx = 0; dx < to->w; ++dx) {
            const int sx = x + int((long long)dx * w / to->w);
            if (sx < 0 || sx >= from->w) continue;
            if (!table.empty()) {
                out[dx] = table[static_cast<const std::uint8_t*>(from->pixels)[sy * from->pitch + sx]];
                continue;
            }
            const Rgb8 c = colour_at(from, sx, sy);
            const std::uint32_t key = std::uint32_t(c.r) << 16 | std::uint32_t(c.g) << 8 | c.b;
            auto it = cache.find(key);
            if (it == cache.end()) it = cache.emplace(key, NearestEntry(c, palette)).first;
            out[dx] = it->second;
        }
    }
    if (SDL_MUSTLOCK(from)) SDL_UnlockSurface(from);
    return DD_OK;
}

}  // namespace platform
