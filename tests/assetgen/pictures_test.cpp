// Files, frame layouts and keys are checked where the game loads them.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "palette.h"
#include "pictures/pictures.h"

using assetgen::PictureFile;

TEST(Pictures, FontLettersFitTheirAdvanceTheSpaceIsBlankAndGenerationRepeatsByteForByte) {
    const std::vector<PictureFile> pictures = assetgen::all_pictures();
    std::set<std::string> names;
    for (const PictureFile& p : pictures) {
        EXPECT_TRUE(names.insert(p.name).second) << p.name << " twice";
        if (p.name != "font256.bmp" && p.name != "font1256.bmp") continue;
        // Wider than the 15-pixel advance, a letter would overdraw its neighbour; cell 26 is the space.
        for (int k = 0; k < 27; ++k) {
            int left = 19, right = -1;
            for (int y = 0; y < 20; ++y)
                for (int x = 0; x < 19; ++x)
                    if (p.image.at(19 * k + x, y) != assetgen::kTransparent) left = std::min(left, x), right = std::max(right, x);
            EXPECT_TRUE(k == 26 ? right == -1 : right >= 0 && right - left < 15) << p.name << " cell " << k;
        }
    }

    const std::vector<PictureFile> again = assetgen::all_pictures();
    ASSERT_EQ(again.size(), pictures.size());
    for (std::size_t i = 0; i < again.size(); ++i) EXPECT_EQ(again[i].image.pixels, pictures[i].image.pixels) << again[i].name;
    EXPECT_EQ(assetgen::logo_image().pixels, assetgen::logo_image().pixels);
}
