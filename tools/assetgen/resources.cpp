#include "resources.h"

#include <cstdio>
#include <cstdlib>

#include "bmp_writer.h"
#include "palette.h"

namespace assetgen {

Image palette_image() {
    Image image(10, 10, kBlack);
    for (int i = 0; i < 100; ++i) image.pixels[std::size_t(i)] = std::uint8_t(i * kPaletteColours / 100);
    return image;
}

Image cursor_image() {
    // Black ring 17 pixels across around the hot spot (15, 16), a cross whose
    // arms stop one pixel short of a single centre dot.
    const int cx = 15, cy = 16;
    Image image(32, 32, kTransparent);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            int d2 = (x - cx) * (x - cx) + (y - cy) * (y - cy);
            if (d2 >= 7 * 7 + 4 && d2 <= 8 * 8 + 8) image.set(x, y, kBlack);
        }
    for (int d = 2; d <= 11; ++d) {
        image.set(cx - d, cy, kBlack);
        image.set(cx + d, cy, kBlack);
        image.set(cx, cy - d, kBlack);
        image.set(cx, cy + d, kBlack);
    }
    image.set(cx, cy, kBlack);
    return image;
}

Image icon_image() {
    Image image(32, 32, kTransparent);
    const std::uint8_t outline = 137, skin = 150, light = 155, snout = 143, eye = kBlack;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            int dx = x - 16, dy = y - 17;
            int d2 = dx * dx + dy * dy;
            if (d2 <= 13 * 13) image.set(x, y, d2 >= 12 * 12 ? outline : (dx + dy < -8 ? light : skin));
        }
    for (int i = 0; i < 7; ++i)
        for (int j = 0; j <= i; ++j) {
            image.set(5 + j, 2 + i, i == 6 || j == 0 ? outline : skin);
            image.set(26 - j, 2 + i, i == 6 || j == 0 ? outline : skin);
        }
    for (int y = 18; y < 26; ++y)
        for (int x = 10; x < 22; ++x) {
            int dx = 2 * x - 31, dy = 2 * y - 43;
            if (dx * dx * 9 + dy * dy * 25 <= 11 * 11 * 9) image.set(x, y, snout);
        }
    image.set(13, 21, outline);
    image.set(13, 22, outline);
    image.set(18, 21, outline);
    image.set(18, 22, outline);
    for (int k = 0; k < 2; ++k) {
        image.set(11 + 9 * k, 13, eye);
        image.set(11 + 9 * k, 14, eye);
        image.set(12 + 9 * k, 13, eye);
        image.set(12 + 9 * k, 14, eye);
    }
    return image;
}

namespace {

void write_array(std::FILE* f, const char* symbol, const std::vector<std::uint8_t>& bytes) {
    std::fprintf(f, "static const unsigned char %s[%zu] = {", symbol, bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) std::fprintf(f, "%s%u,", i % 24 ? "" : "\n", bytes[i]);
    std::fprintf(f, "\n};\n");
}

}  // namespace

bool write_resource_source(const std::string& path, const Image& logo) {
    std::FILE* f = std::fopen(path.c_str(), "w");
    if (!f) return false;
    std::fprintf(f, "// Made by assetgen; do not edit.\n#include \"platform/resources.h\"\n\nnamespace {\n");
    write_array(f, "donut", dib_bytes(palette_image(), kPaletteColours));
    write_array(f, "logo", dib_bytes(logo, 256));
    write_array(f, "cursor", dib_bytes(cursor_image(), 256));
    write_array(f, "iconi", dib_bytes(icon_image(), 256));
    std::fprintf(f,
                 "}  // namespace\n\nnamespace platform {\n"
                 "const Resource kBuiltInResources[] = {\n"
                 "    {\"DONUT\", ResourceType::Bitmap, donut, sizeof donut},\n"
                 "    {\"LOGO\", ResourceType::Bitmap, logo, sizeof logo},\n"
                 "    {\"cursor\", ResourceType::Cursor, cursor, sizeof cursor},\n"
                 "    {\"iconi\", ResourceType::Icon, iconi, sizeof iconi},\n"
                 "};\n"
                 "const int kBuiltInResourceCount = 4;\n"
                 "}  // namespace platform\n");
    return std::fclose(f) == 0;
}

}  // namespace assetgen
