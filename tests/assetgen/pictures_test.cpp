// The picture files as the game loads them: every catalogue row finds its
// file with the right frame layout and transparency, the fonts follow the
// text layout, and the generator repeats itself byte for byte.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "bmp_writer.h"
#include "palette.h"
#include "pictures/pictures.h"

namespace {

using assetgen::Image;
using assetgen::PictureFile;

struct Row {
    int number;
    const char* name;
    int frame_width, frame_height, frames;
    bool transparent;
};

// The game's picture numbers, files and frame layouts.
const Row kRows[] = {
    {0, "wasser256.bmp", 640, 240, 1, false},          {1, "colortable.bmp", 10, 10, 1, false},
    {2, "floss9256.bmp", 160, 140, 9, true},           {3, "colortable.bmp", 10, 10, 1, false},
    {4, "tschik256.bmp", 32, 50, 6, true},             {5, "wellerund256.bmp", 32, 32, 6, true},
    {6, "colortable.bmp", 10, 10, 1, false},           {7, "welle256.bmp", 640, 15, 4, true},
    {8, "sonne2256.bmp", 60, 60, 8, true},             {9, "sauflug256.bmp", 32, 32, 11, true},
    {10, "spritzer3256.bmp", 11, 11, 8, true},         {11, "sauflug1256.bmp", 16, 16, 11, true},
    {12, "sauflug2256.bmp", 16, 16, 11, true},         {13, "sauflug3256.bmp", 32, 32, 11, true},
    {14, "colortable.bmp", 10, 10, 1, false},          {15, "absturz256.bmp", 32, 32, 6, true},
    {16, "absturz2256.bmp", 16, 16, 6, true},          {17, "spiegelung256.bmp", 44, 50, 4, true},
    {18, "spritzer256.bmp", 44, 44, 8, true},          {19, "splat256.bmp", 60, 50, 6, true},
    {20, "splat2256.bmp", 30, 25, 6, true},            {21, "spritzer2256.bmp", 20, 20, 7, true},
    {22, "mun256.bmp", 30, 30, 1, true},               {23, "zahlenx256.bmp", 18, 40, 12, true},
    {24, "rotabsturzvorne256.bmp", 32, 32, 11, true},  {25, "rotlinksvorne256.bmp", 32, 32, 11, true},
    {26, "rotrechtsvorne256.bmp", 32, 32, 11, true},   {27, "rotabsturzhinten256.bmp", 16, 16, 11, true},
    {28, "rotlinkshinten256.bmp", 16, 16, 11, true},   {29, "rotrechtshinten256.bmp", 16, 16, 11, true},
    {30, "leuchtturm3256.bmp", 120, 320, 1, true},     {31, "staub256.bmp", 20, 20, 5, true},
    {32, "leuchtwasser2256.bmp", 144, 35, 5, true},    {33, "colortable.bmp", 10, 10, 1, false},
    {34, "colortable.bmp", 10, 10, 1, false},          {35, "stumpf256.bmp", 30, 120, 1, true},
    {36, "bl0256.bmp", 52, 52, 7, true},               {37, "bl1256.bmp", 52, 52, 7, true},
    {38, "bl2256.bmp", 52, 52, 7, true},               {39, "wolke30256.bmp", 54, 54, 30, true},
    {40, "wolke130256.bmp", 27, 27, 30, true},         {41, "colortable.bmp", 10, 10, 1, false},
    {42, "colortable.bmp", 10, 10, 1, false},          {43, "puffea256.bmp", 80, 80, 24, true},
    {44, "inselgrossx256.bmp", 250, 188, 1, true},     {45, "inselgross2256.bmp", 240, 320, 1, true},
    {46, "inselwasser2256.bmp", 288, 35, 5, true},     {47, "strauch256.bmp", 52, 52, 7, true},
    {48, "huelse256.bmp", 16, 16, 17, true},           {49, "bl3256.bmp", 52, 52, 7, true},
    {50, "bl4256.bmp", 52, 52, 7, true},               {51, "zerreiss256.bmp", 52, 52, 5, true},
    {52, "auge0256.bmp", 10, 10, 1, true},             {53, "auge2256.bmp", 10, 10, 1, true},
    {54, "stumpf2256.bmp", 70, 180, 1, true},          {55, "font256.bmp", 580, 45, 1, true},
    {56, "font1256.bmp", 580, 45, 1, true},            {57, "motors2256.bmp", 92, 64, 6, true},
    {58, "motors3256.bmp", 92, 64, 6, true},           {59, "sauf0256.bmp", 92, 64, 8, true},
    {60, "sauf1256.bmp", 92, 64, 8, true},             {61, "motors0256.bmp", 46, 32, 6, true},
    {62, "motors1256.bmp", 46, 32, 6, true},           {63, "sauf2256.bmp", 46, 32, 8, true},
    {64, "sauf3256.bmp", 46, 32, 8, true},             {65, "auge1256.bmp", 10, 10, 1, true},
    {66, "highlogo256.bmp", 400, 70, 1, true},         {67, "leerlogo2256.bmp", 400, 35, 1, true},
    {68, "info256.bmp", 100, 50, 1, true},             {69, "nopigx256.bmp", 50, 100, 1, true},
    {70, "boot4256.bmp", 120, 80, 4, true},            {71, "count2256.bmp", 80, 120, 6, false},
    {72, "segelbootx5256.bmp", 119, 119, 12, true},    {73, "LOGO", 311, 160, 1, false},
};

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

TEST(Pictures, EveryCatalogueRowFindsItsFileWithItsFrameLayout) {
    std::set<std::string> names;
    for (const PictureFile& p : pictures()) EXPECT_TRUE(names.insert(p.name).second) << p.name << " twice";
    EXPECT_EQ(pictures().size(), 66u);
    EXPECT_EQ(sizeof kRows / sizeof kRows[0], 74u);
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.number);
        const Image* img = find(row.name);
        ASSERT_NE(img, nullptr) << row.name;
        // The splat strip holds six whole frames, whatever its nominal width.
        const int width = std::string(row.name) == "splat256.bmp" ? 360 : row.frames * row.frame_width;
        EXPECT_EQ(img->width, width);
        EXPECT_EQ(img->height, row.frame_height);
        EXPECT_EQ(img->pixels.size(), std::size_t(img->width) * img->height);
    }
}

TEST(Pictures, TransparencyIsKeyedAndEveryFrameShowsSomething) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(std::to_string(row.number) + " " + row.name);
        const Image& img = *find(row.name);
        if (!row.transparent) {
            for (std::uint8_t c : img.pixels) ASSERT_NE(c, assetgen::kTransparent);
            continue;
        }
        // The hit test compares four pixels with the picture's first four.
        for (int x = 0; x < 4; ++x) EXPECT_EQ(img.at(x, 0), assetgen::kTransparent);
        for (int k = 0; k < row.frames; ++k) {
            const bool ink = has_ink(img, k * row.frame_width, 0, (k + 1) * row.frame_width, img.height);
            // The digit strip's frame 10 is the blank that clears a place.
            const bool blank = std::string(row.name) == "zahlenx256.bmp" && k == 10;
            EXPECT_EQ(ink, !blank) << "frame " << k;
        }
    }
    // The countdown stands on black.
    const Image& count = *find("count2256.bmp");
    for (int k = 0; k < 6; ++k) EXPECT_EQ(count.at(k * 80 + 1, 1), assetgen::kBlack);
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

TEST(Pictures, GenerationRepeatsByteForByteAndWritesEightBitFiles) {
    const std::vector<PictureFile> again = assetgen::all_pictures();
    ASSERT_EQ(again.size(), pictures().size());
    for (std::size_t i = 0; i < again.size(); ++i)
        EXPECT_EQ(assetgen::bmp_file_bytes(again[i].image), assetgen::bmp_file_bytes(pictures()[i].image))
            << again[i].name;
    EXPECT_EQ(assetgen::logo_image().pixels, logo().pixels);

    const std::string path = testing::TempDir() + "pictures_test_mun.bmp";
    ASSERT_TRUE(assetgen::write_file(path, assetgen::bmp_file_bytes(*find("mun256.bmp"))));
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
    std::remove(path.c_str());
    ASSERT_GT(bytes.size(), 54u + 1024u);
    auto u32 = [&](int at) { return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | unsigned(bytes[at + 3]) << 24; };
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(u32(18), 30u);
    EXPECT_EQ(u32(22), 30u);
    EXPECT_EQ(bytes[28], 8);
    // Colour table entry 2 is the magenta key, stored blue, green, red.
    EXPECT_EQ(bytes[54 + 8], 255);
    EXPECT_EQ(bytes[54 + 9], 0);
    EXPECT_EQ(bytes[54 + 10], 255);

    const std::string sheet = testing::TempDir() + "pictures_test_sheet.bmp";
    EXPECT_TRUE(assetgen::write_contact_sheet(sheet, pictures(), logo()));
    std::remove(sheet.c_str());
}

}  // namespace
