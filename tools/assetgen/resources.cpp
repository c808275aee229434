#include "resources.h"

#include <cstdio>
#include <cstdlib>

#include "bmp_writer.h"
#include "palette.h"
#include "pictures/pigs.h"

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
    // The same pig as in the game, head on, between two little wings.
    return pig_head_icon();
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
