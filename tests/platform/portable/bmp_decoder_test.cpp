// Our BMP reader against hand-made files of every depth it takes, and the files it must refuse.
#include <gtest/gtest.h>

#include <memory>

#include "platform/portable/bmp_decoding.h"
#include "support/riff_bytes.h"

using namespace platform;
using riff::Bytes;
using riff::put;

namespace {

// A file 2 pixels wide unless told otherwise: 40-byte header (or 12), colour table, rows padded to four bytes,
// bottom first unless the height is < 0.
Bytes bmp(int bits, int height, const Bytes& table, const Bytes& rows, std::uint32_t compression = 0,
          std::uint32_t header = 40, std::uint32_t width = 2) {
    const int size = header == 12 ? 2 : 4;  // the core header's width and height
    const std::uint32_t colours = bits <= 8 ? std::uint32_t(table.size() / 4) : 0;
    Bytes b{'B', 'M'};
    for (auto [v, n] : {std::pair{0u, 8}, {std::uint32_t(14 + header + table.size()), 4}, {header, 4}, {width, size},
                        {std::uint32_t(height), size}, {1u, 2}, {std::uint32_t(bits), 2}})
        put(b, v, n);
    if (header != 12)
        for (auto [v, n] : {std::pair{compression, 4}, {0u, 12}, {colours, 4}, {0u, 4}}) put(b, v, n);
    return riff::plus(riff::plus(b, table), rows);
}

// The decoded pixels as "r,g,b " each; empty when the file is refused.
std::string decode(const Bytes& file) {
    std::unique_ptr<Bitmap> b(DecodeBmp(file.data(), file.size()));
    std::string s;
    for (int i = 0; b && i < b->w * b->h; ++i) {
        const Rgb8 p = b->paletted() ? b->colours[b->indices[std::size_t(i)]] : b->rgb[std::size_t(i)];
        s += std::to_string(p.r) + "," + std::to_string(p.g) + "," + std::to_string(p.b) + " ";
    }
    return s;
}

}  // namespace

TEST(BmpDecoderTest, EveryDepthReadsTheSamePictureAndBrokenFilesAreRefused) {
    // Top row red, blue; bottom row green, white.
    const std::string want = "255,0,0 0,0,255 0,255,0 255,255,255 ";
    const Bytes table4{0, 0, 255, 0, 255, 0, 0, 0, 0, 255, 0, 0, 255, 255, 255, 0};  // red blue green white
    EXPECT_EQ(decode(bmp(8, 2, table4, {2, 3, 0, 0, 0, 1, 0, 0})), want);
    EXPECT_EQ(decode(bmp(8, -2, table4, {0, 1, 0, 0, 2, 3, 0, 0})), want) << "top-down";
    EXPECT_EQ(decode(bmp(4, 2, table4, {0x23, 0, 0, 0, 0x01, 0, 0, 0})), want);
    const Bytes rows24{0, 255, 0, 255, 255, 255, 0, 0, 0, 0, 255, 255, 0, 0, 0, 0};
    EXPECT_EQ(decode(bmp(24, 2, {}, rows24)), want);
    EXPECT_EQ(decode(bmp(24, 2, {}, rows24, 0, 12)), want) << "core header";
    EXPECT_EQ(decode(bmp(32, 2, {}, {0, 255, 0, 0, 255, 255, 255, 0, 0, 0, 255, 0, 255, 0, 0, 0})), want);
    // 16 bits, 5-6-5 fields given after the header.
    const Bytes masks{0, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0};
    EXPECT_EQ(decode(bmp(16, 2, masks, {0xE0, 0x07, 0xFF, 0xFF, 0, 0xF8, 0x1F, 0}, 3)), want);
    // 1 bit: black and white.
    EXPECT_EQ(decode(bmp(1, 2, {0, 0, 0, 0, 255, 255, 255, 0}, {0x40, 0, 0, 0, 0x80, 0, 0, 0})),
              "255,255,255 0,0,0 0,0,0 255,255,255 ");

    EXPECT_TRUE(decode(bmp(8, 2, table4, {2, 3, 0, 0, 0, 9, 0, 0})).empty()) << "pixel beyond the table";
    EXPECT_TRUE(decode(bmp(8, 2, table4, {2, 3, 0, 0})).empty()) << "rows cut short";
    EXPECT_TRUE(decode(bmp(8, 0, table4, {})).empty()) << "no rows";
    EXPECT_TRUE(decode(bmp(7, 2, table4, {2, 3, 0, 0, 0, 1, 0, 0})).empty()) << "no such depth";
    EXPECT_TRUE(decode({'B', 'M', 0, 0}).empty());
}

TEST(BmpDecoderTest, RunLengthCompressedFilesUnpackBottomUpAndDamagedRunsAreRefused) {
    constexpr std::uint32_t kRle8 = 1, kRle4 = 2;
    const Bytes table4{0, 0, 255, 0, 255, 0, 0, 0, 0, 255, 0, 0, 255, 255, 255, 0};  // red blue green white
    const std::string want = "255,0,0 0,0,255 0,255,0 255,255,255 ";
    // Bottom row first: runs, end of line, runs, end of bitmap.
    EXPECT_EQ(decode(bmp(8, 2, table4, {1, 2, 1, 3, 0, 0, 1, 0, 1, 1, 0, 1}, kRle8)), want);
    EXPECT_EQ(decode(bmp(4, 2, table4, {2, 0x23, 0, 0, 2, 0x01, 0, 1}, kRle4)), want) << "halves alternate";
    // A delta skips to the top row's second pixel; what it passes keeps index 0 (red).
    EXPECT_EQ(decode(bmp(8, 2, table4, {0, 2, 1, 1, 1, 1, 0, 1}, kRle8)), "255,0,0 0,0,255 255,0,0 255,0,0 ");
    // Literals of three pixels, padded to a 16-bit word; the end of bitmap ends the top row.
    EXPECT_EQ(decode(bmp(8, 2, table4, {0, 3, 3, 2, 1, 0, 0, 0, 0, 3, 0, 1, 2, 0, 0, 1}, kRle8, 40, 3)),
              "255,0,0 0,0,255 0,255,0 255,255,255 0,255,0 0,0,255 ");
    EXPECT_EQ(decode(bmp(4, 2, table4, {0, 3, 0x32, 0x10, 0, 0, 0, 3, 0x01, 0x20, 0, 1}, kRle4, 40, 3)),
              "255,0,0 0,0,255 0,255,0 255,255,255 0,255,0 0,0,255 ");
    // Runs and literals into the rows' padding, as ImageMagick writes them: what is past the end is dropped.
    EXPECT_EQ(decode(bmp(8, 2, table4, {1, 2, 3, 3, 0, 0, 0, 3, 0, 1, 2, 0, 0, 1}, kRle8)), want);
    // Every row there but no end mark: still whole.
    EXPECT_EQ(decode(bmp(8, 2, table4, {1, 2, 1, 3, 0, 0, 1, 0, 1, 1, 0, 0}, kRle8)), want);

    for (const auto& [rows, why] : std::vector<std::pair<Bytes, const char*>>{
             {{1, 2, 1, 3, 0, 0, 1, 0, 1, 1, 0, 0, 1, 0, 0, 1}, "run above the top row"},
             {{0, 2, 3, 0, 1, 0, 0, 1}, "delta past the row's end"},
             {{0, 2, 0, 3, 0, 1}, "delta above the top row"},
             {{0, 2, 1}, "delta cut short"},
             {{1, 2, 1, 3, 0, 0}, "ends with a row missing"},
             {{}, "no data"},
         })
        EXPECT_TRUE(decode(bmp(8, 2, table4, rows, kRle8)).empty()) << why;
    EXPECT_TRUE(decode(bmp(8, 2, table4, {0, 3, 1, 2}, kRle8, 40, 3)).empty()) << "literal cut short";
    EXPECT_TRUE(decode(bmp(4, 2, table4, {0, 3, 0x01}, kRle4, 40, 3)).empty()) << "4-bit literal cut short";
    EXPECT_TRUE(decode(bmp(8, 2, table4, {2, 9, 0, 0, 2, 0, 0, 1}, kRle8)).empty()) << "index beyond the table";
    EXPECT_TRUE(decode(bmp(8, -2, table4, {2, 0, 0, 0, 2, 0, 0, 1}, kRle8)).empty()) << "top-down";
    EXPECT_TRUE(decode(bmp(4, 2, table4, {2, 0, 0, 0, 2, 0, 0, 1}, kRle8)).empty()) << "RLE8 of 4-bit pixels";
}
