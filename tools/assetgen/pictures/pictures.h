// Every picture file of the data folder, and the logo resource.
#pragma once
#include <string>
#include <vector>

#include "image.h"

namespace assetgen {

// The distinct picture files, each once, in catalogue order of first use.
std::vector<PictureFile> all_pictures();

// The title picture compiled into the program as "LOGO" (311 x 160, opaque).
Image logo_image();

// Draws every picture, every frame, labelled by catalogue number, into one
// 8-bit bitmap file for reviewing the art.
bool write_contact_sheet(const std::string& path, const std::vector<PictureFile>& pictures, const Image& logo);

}  // namespace assetgen
