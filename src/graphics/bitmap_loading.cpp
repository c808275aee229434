#include "graphics/bitmap_loading.h"

#include <cstdio>
#include <cstring>

#include "platform/debug_output.h"
#include "platform/files.h"
#include "platform/portable/bmp_header.h"
#include "platform/portable/byte_order.h"
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

// The colours a bitmap header declares, never more than 256; none for a
// header that is not one of the usual ones.
std::uint32_t declared_colours(const std::uint8_t* header, std::size_t available) {
    BmpInfoHeader info;
    if (!ReadBmpInfoHeader(header, available, &info) || info.size < 40) return 0;
    const std::uint32_t n = DeclaredColours(info);
    return n > 256 ? 256 : n;
}

void set_colour(PALETTEENTRY* entry, const Rgb8& c) {
    entry->peRed = c.r;
    entry->peGreen = c.g;
    entry->peBlue = c.b;
}

// Colours of a bitmap resource: its colour table follows the info header.
void colours_from_resource(const Resource& res, PALETTEENTRY* ape) {
    const std::uint32_t header = res.size >= 4 ? le32(res.data) : 0;
    std::uint32_t n = declared_colours(res.data, res.size);
    // A table cut short by the end of the resource gives only what is there.
    const std::uint32_t present = header < res.size ? std::uint32_t((res.size - header) / 4) : 0;
    if (n > present) n = present;
    for (std::uint32_t i = 0; i < n; ++i) {
        set_colour(&ape[i], ColourTableEntry(res.data + header, 4, i));
        ape[i].peFlags = 0;
    }
}

// Colours of a bitmap file, read the way every palette of this game is
// read: 1024 bytes straight after the 40-byte header into the entries; the
// declared colours are turned from blue-first into red-first, the rest keep
// the bytes as read.
void colours_from_file(std::FILE* f, PALETTEENTRY* ape) {
    std::uint8_t file_header[kBmpFileHeaderSize];
    std::uint8_t info[40];
    if (ReadFile(file_header, sizeof file_header, f) != sizeof file_header || ReadFile(info, 40, f) != 40) return;
    std::uint8_t raw[1024];
    const std::size_t got = ReadFile(raw, sizeof raw, f);
    const std::uint32_t entries_read = std::uint32_t(got / 4);
    std::memcpy(ape, raw, entries_read * 4);
    std::uint32_t n = declared_colours(info, sizeof info);
    if (n > entries_read) n = entries_read;
    for (std::uint32_t i = 0; i < n; ++i) set_colour(&ape[i], ColourTableEntry(raw, 4, i));
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
