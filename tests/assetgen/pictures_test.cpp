// Files, frame layouts and keys are checked where the game loads them.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "palette.h"
#include "pictures/pictures.h"

namespace {

using assetgen::Image;
using assetgen::PictureFile;

const std::vector<PictureFile>& pictures() {
    static const std::vector<PictureFile> files = assetgen::all_pictures();
    return files;
}

const Image& logo() {
    static const Image image = assetgen::logo_image();
    return image;
}

const Image* find(const std::string& name) {
    for (const PictureFile& p : pictures())
        if (p.name == name) return &p.image;
    return nullptr;
}

bool has_ink(const Image& img, int x0, int y0, int x1, int y1) {
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (img.at(x, y) != assetgen::kTransparent) return true;
    return false;
}

TEST(Pictures, FontLettersFitTheirAdvanceAndTheSpaceIsBlank) {
    for (const char* name : {"font256.bmp", "font1256.bmp"}) {
        const Image& font = *find(name);
        // Wider than the 15-pixel advance, a letter would overdraw its neighbour.
        for (int k = 0; k < 26; ++k) {
            int left = 19, right = -1;
            for (int y = 0; y < 20; ++y)
                for (int x = 0; x < 19; ++x)
                    if (font.at(19 * k + x, y) != assetgen::kTransparent) left = std::min(left, x), right = std::max(right, x);
            EXPECT_TRUE(right >= 0 && right - left < 15) << name << " letter " << k;
        }
        EXPECT_FALSE(has_ink(font, 19 * 26, 0, 19 * 27, 20)) << name;
    }
}

TEST(Pictures, GenerationRepeatsByteForByte) {
    std::set<std::string> names;
    for (const PictureFile& p : pictures()) EXPECT_TRUE(names.insert(p.name).second) << p.name << " twice";
    const std::vector<PictureFile> again = assetgen::all_pictures();
    ASSERT_EQ(again.size(), pictures().size());
    for (std::size_t i = 0; i < again.size(); ++i) EXPECT_EQ(again[i].image.pixels, pictures()[i].image.pixels) << again[i].name;
    EXPECT_EQ(assetgen::logo_image().pixels, logo().pixels);
}

}  // namespace
