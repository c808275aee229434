// A review sheet: every picture with all its frames, labelled by the catalogue
// numbers that show it, on the sky colour the scene mostly puts them on.
#include <algorithm>

#include "bmp_writer.h"
#include "palette.h"
#include "pictures/canvas.h"
#include "pictures/catalogue.h"
#include "pictures/pictures.h"
#include "pictures/stroke_font.h"
#include "resources.h"

namespace assetgen {
namespace {

constexpr int kSheetWidth = 1300;
constexpr int kGap = 3;
constexpr std::uint8_t kFrameLine = 10;  // mid grey between frames

struct Entry {
    std::string label;
    const Image* image;
    int frame_width;
};

// Lays the entries out left to right, wrapping frames onto new lines, and
// draws them when target is given; returns the height used.
int lay_out(const std::vector<Entry>& entries, Image* target) {
    int y = kGap;
    for (const Entry& e : entries) {
        const int frames = std::max(1, e.image->width / e.frame_width);
        if (target) pixel_text(*target, kGap, y, e.label, kInk);
        y += 10;
        int x = kGap;
        for (int k = 0; k < frames; ++k) {
            if (x + e.frame_width + 2 > kSheetWidth) {
                x = kGap;
                y += e.image->height + kGap + 2;
            }
            if (target) {
                Image& t = *target;
                for (int j = -1; j <= e.image->height; ++j)
                    for (int i = -1; i <= e.frame_width; ++i) {
                        const bool edge = j < 0 || i < 0 || j == e.image->height || i == e.frame_width;
                        if (edge) {
                            t.set(x + i, y + j, kFrameLine);
                            continue;
                        }
                        const int sx = k * e.frame_width + i;
                        if (sx >= e.image->width) continue;
                        const std::uint8_t c = e.image->at(sx, j);
                        if (c != kTransparent) t.set(x + i, y + j, c);
                    }
            }
            x += e.frame_width + kGap + 2;
        }
        y += e.image->height + kGap + 4;
    }
    return y;
}

}  // namespace

bool write_contact_sheet(const std::string& path, const std::vector<PictureFile>& pictures, const Image& logo) {
    std::vector<Entry> entries;
    for (const PictureFile& p : pictures) {
        int fw = p.image.width;
        for (const CatalogueRow& row : catalogue())
            if (p.name == row.name) fw = row.frame_width;
        entries.push_back({numbers_of(p.name) + " " + p.name, &p.image, fw});
    }
    entries.push_back({"73 LOGO", &logo, logo.width});
    const Image icon = icon_image(), cursor = cursor_image();
    entries.push_back({"ICONI", &icon, icon.width});
    entries.push_back({"CURSOR", &cursor, cursor.width});

    Image sheet(kSheetWidth, lay_out(entries, nullptr), kSky);
    lay_out(entries, &sheet);
    return write_file(path, bmp_file_bytes(sheet));
}

}  // namespace assetgen
