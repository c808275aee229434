#include "graphics/bitmap_loading.h"

#include <cstdio>
#include <cstring>

#include "base/byte_order.h"
#include "platform/debug_output.h"
#include "platform/files.h"
#include "platform/resources.h"

using namespace platform;

HRESULT ddcopybitmap(Surface* surface, Bitmap* bitmap, std::int32_t x, std::int32_t y, std::int32_t dx,
                     std::int32_t dy) {
    if (!bitmap || !surface) return E_FAIL;
    // A lost surface gets its memory back before it is drawn into.
    surface->Restore();
    if (dx == 0) dx = BitmapWidth(bitmap);
    if (dy == 0) dy = BitmapHeight(bitmap);
    return StretchBitmap(surface, bitmap, x, y, dx, dy);
}

namespace {

// The colour count a bitmap header declares: 0 for an unusable header, else
// biClrUsed or, when that is 0, 2 to the bit depth. Never more than 256.
std::uint32_t declared_colours(const std::uint8_t* header, bool size_ok) {
    const std::uint16_t bits = le16(header + 14);
    if (!size_ok || bits > 8) return 0;
    const std::uint32_t used = le32(header + 32);
    const std::uint32_t n = used ? used : 1u << bits;
    return n > 256 ? 256 : n;
}

// Colours of a bitmap resource: its colour table follows the info header.
void colours_from_resource(const Resource& res, PALETTEENTRY* ape) {
    if (res.size < 40) return;
    const std::uint8_t* data = res.data;
    const std::uint32_t header = le32(data);
    std::uint32_t n = declared_colours(data, header >= 40);
    // A table cut short by the end of the resource gives only what is there.
    const std::uint32_t present = header < res.size ? std::uint32_t((res.size - header) / 4) : 0;
    if (n > present) n = present;
    const std::uint8_t* table = data + header;
    for (std::uint32_t i = 0; i < n; ++i)
        ape[i] = {table[4 * i + 2], table[4 * i + 1], table[4 * i], 0};
}

// Colours of a bitmap file, read the way every palette of this game is
// read: 1024 bytes straight after the 40-byte header into the entries; the
// declared colours have red and blue swapped back, the rest keep the bytes
// as read.
void colours_from_file(std::FILE* f, PALETTEENTRY* ape) {
    std::uint8_t file_header[14];
    std::uint8_t info[40];
    if (ReadFile(file_header, 14, f) != 14 || ReadFile(info, 40, f) != 40) return;
    std::uint8_t raw[1024];
    const std::size_t got = ReadFile(raw, sizeof raw, f);
    const std::uint32_t entries_read = std::uint32_t(got / 4);
    std::memcpy(ape, raw, entries_read * 4);
    std::uint32_t n = declared_colours(info, le32(info) == 40);
    if (n > entries_read) n = entries_read;
    for (std::uint32_t i = 0; i < n; ++i) std::swap(ape[i].peRed, ape[i].peBlue);
}

}  // namespace

Palette* loadbitmappalette(DirectDraw* lpdd, const char* name) {
    PALETTEENTRY ape[256];
    for (int i = 0; i < 256; ++i) {
        ape[i].peRed = std::uint8_t(((i >> 5) & 7) * 255 / 7);
        ape[i].peGreen = std::uint8_t(((i >> 2) & 7) * 255 / 7);
        ape[i].peBlue = std::uint8_t((i & 3) * 255 / 3);
        ape[i].peFlags = 0;
    }
    ape[255] = {255, 255, 255, 0};

    if (name) {
        if (const Resource* res = FindResource(name, ResourceType::Bitmap)) {
            colours_from_resource(*res, ape);
        } else if (std::FILE* f = OpenFile(ResolveFileName(name), "rb")) {
            colours_from_file(f, ape);
            CloseFile(f);
        }
    }

    Palette* palette = nullptr;
    if (!lpdd || lpdd->CreatePalette(ape, &palette) != DD_OK) return nullptr;
    return palette;
}
