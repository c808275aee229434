// Bitmaps read from files or resources, and their copy onto a surface: the
// file's colours mapped onto the game palette, stretched to the surface.
#pragma once
#include <cstdint>

#include "platform/palette_object.h"
#include "platform/portable/bmp_header.h"
#include "platform/results.h"
#include "platform/surface.h"

namespace platform {

class Bitmap;

// Null when the file is missing or not a usable BMP.
Bitmap* LoadBitmapFile(const char* path);
// A bitmap resource of the program by name; null when there is none.
Bitmap* LoadBitmapResource(const char* name);
void DeleteBitmap(Bitmap* bitmap);

int BitmapWidth(const Bitmap* bitmap);
int BitmapHeight(const Bitmap* bitmap);
int BitmapBitsPerPixel(const Bitmap* bitmap);

// Copies the rectangle (x, y, w, h) of the bitmap onto the whole surface,
// stretched to the surface's size, every colour mapped onto the palette entry
// of the same colour or else the nearest one. Source pixels outside the
// bitmap leave the surface's pixel as it was.
HRESULT StretchBitmap(Surface* dst, const Bitmap* src, int x, int y, int w, int h);

// The entry of the same colour (the first such), else the nearest one.
std::uint8_t NearestEntry(const Rgb8& colour, const PALETTEENTRY* palette);

}  // namespace platform
