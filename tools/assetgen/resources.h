// The program's own resources: palette, logo, crosshair cursor and icon.
#pragma once
#include <string>

#include "image.h"

namespace assetgen {

Image palette_image();   // "DONUT": 10 x 10, one pixel per palette entry
Image cursor_image();    // "cursor": 32 x 32, transparent where not drawn
Image icon_image();      // "iconi": 32 x 32, a flying pig's head

// Writes a C++ source that holds every resource as a byte array.
bool write_resource_source(const std::string& path, const Image& logo);

}  // namespace assetgen
