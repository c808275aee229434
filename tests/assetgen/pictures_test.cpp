// The generator's pictures: the fonts follow the text layout, and the
// generator repeats itself. Files, frame layouts and keys are checked where
// the game loads them.
#include <gtest/gtest.h>

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
    if (name == "LOGO") return &logo();
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

TEST(Pictures, FontsFollowTheTextLayout) {
    for (const char* name : {"font256.bmp", "font1256.bmp"}) {
        SCOPED_TRACE(name);
        const Image& font = *find(name);
        for (int k = 0; k < 26; ++k) EXPECT_TRUE(has_ink(font, 19 * k, 0, 19 * k + 19, 20)) << "letter " << k;
        EXPECT_FALSE(has_ink(font, 19 * 26, 0, 19 * 27, 20)) << "the space cell";
        for (int k = 0; k < 20; ++k) EXPECT_TRUE(has_ink(font, 19 * k, 21, 19 * k + 19, 41)) << "sign " << k;
        // Rows the text never copies would cut a glyph off.
        EXPECT_FALSE(has_ink(font, 0, 20, 580, 21));
        EXPECT_FALSE(has_ink(font, 0, 41, 580, 45));
        // Letters fit the 15-pixel advance so neighbours do not overdraw.
        for (int k = 0; k < 27; ++k) {
            int left = 19, right = -1;
            for (int y = 0; y < 41; ++y)
                for (int x = 0; x < 19; ++x)
                    if (font.at(19 * k + x, y) != assetgen::kTransparent) {
                        left = std::min(left, x);
                        right = std::max(right, x);
                    }
            if (right >= 0) {
                EXPECT_LE(right - left + 1, 15) << "cell " << k;
            }
        }
        // Text surfaces are filled and keyed with the text key.
        for (std::uint8_t c : font.pixels) ASSERT_NE(c, assetgen::kTextKey);
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
