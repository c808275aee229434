// Bitmaps into off-screen surfaces, and the game palette.
#pragma once
#include <cstdint>

#include "platform/bitmap.h"
#include "platform/display_device.h"

using platform::HRESULT;

// Copies the rectangle (x, y, dx, dy) of the bitmap onto the whole surface,
// stretched to its size; dx or dy 0 means the bitmap's width or height.
// E_FAIL when surface or bitmap is missing.
HRESULT ddcopybitmap(platform::Surface* surface, platform::Bitmap* bitmap, std::int32_t x, std::int32_t y,
                     std::int32_t dx, std::int32_t dy);

// The 3-3-2 colour ramp, overlaid with the colours of the bitmap resource or
// file of that name; null only when no palette object can be made.
platform::Palette* loadbitmappalette(platform::DirectDraw* lpdd, const char* name);
