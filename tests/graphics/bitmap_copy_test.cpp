#include <cstdio>
#include <string>
#include <vector>

#include "graphics/bitmap_loading.h"
#include "support/shell_fixture.h"

using namespace platform;

namespace {

void put16(std::vector<std::uint8_t>& v, unsigned x) {
    v.push_back(std::uint8_t(x));
    v.push_back(std::uint8_t(x >> 8));
}
void put32(std::vector<std::uint8_t>& v, std::uint32_t x) {
    put16(v, x & 0xFFFF);
    put16(v, x >> 16);
}

struct Colour {
    std::uint8_t r, g, b;
};

// A bottom-up 8-bit BMP file with its own colour table.
std::string write_bmp(const std::string& name, int w, int h, const std::vector<Colour>& table,
                      const std::vector<std::uint8_t>& pixels) {
    const int stride = (w + 3) & ~3;
    std::vector<std::uint8_t> v = {'B', 'M'};
    const std::uint32_t offset = 14 + 40 + 4 * std::uint32_t(table.size());
    put32(v, offset + std::uint32_t(stride * h));
    put32(v, 0);
    put32(v, offset);
    put32(v, 40);
    put32(v, std::uint32_t(w));
    put32(v, std::uint32_t(h));
    put16(v, 1);
    put16(v, 8);
    put32(v, 0);
    put32(v, std::uint32_t(stride * h));
    put32(v, 0);
    put32(v, 0);
    put32(v, std::uint32_t(table.size()));
    put32(v, 0);
    for (const Colour& c : table) v.insert(v.end(), {c.b, c.g, c.r, 0});
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) v.push_back(pixels[std::size_t(y * w + x)]);
        for (int x = w; x < stride; ++x) v.push_back(0);
    }
    const std::string path = ::testing::TempDir() + name;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(v.data(), 1, v.size(), f);
    std::fclose(f);
    return path;
}

std::uint8_t pixel(Surface* s, int x, int y) {
    SurfaceDesc d;
    EXPECT_EQ(s->Lock(nullptr, &d), DD_OK);
    std::uint8_t p = d.surface[y * d.pitch + x];
    s->Unlock();
    return p;
}

class BitmapCopyTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_TRUE(OpenDisplay());
    }
    Surface* Make(int w, int h) {
        Surface* s = nullptr;
        EXPECT_EQ(lpdd->CreateOffscreenSurface(w, h, &s), DD_OK);
        surfaces_.push_back(s);
        return s;
    }
    void TearDown() override {
        for (Surface* s : surfaces_) s->Release();
        ShellTest::TearDown();
    }
    std::vector<Surface*> surfaces_;
};

}  // namespace

TEST_F(BitmapCopyTest, FileColoursMapOntoTheGamePaletteExactOrNearest) {
    // Index order in the file differs from the game palette: sky, black,
    // text red, and a colour that is in no palette entry (nearest: the sky).
    const std::vector<Colour> table = {{20, 144, 240}, {0, 0, 0}, {252, 80, 80}, {22, 140, 236}};
    const std::string path = write_bmp("map.bmp", 4, 1, table, {0, 1, 2, 3});
    Bitmap* b = LoadBitmapFile(path.c_str());
    ASSERT_NE(b, nullptr);
    Surface* s = Make(4, 1);
    EXPECT_EQ(ddcopybitmap(s, b, 0, 0, 0, 0), DD_OK);
    EXPECT_EQ(pixel(s, 0, 0), 192);
    EXPECT_EQ(pixel(s, 1, 0), 0);
    EXPECT_EQ(pixel(s, 2, 0), 1);
    EXPECT_EQ(pixel(s, 3, 0), 192);
    DeleteBitmap(b);
}

TEST_F(BitmapCopyTest, SourceRectangleIsStretchedOverTheWholeSurface) {
    // A 4 × 2 bitmap: the top row black, sky, black, sky; the bottom row all sky.
    const std::vector<Colour> table = {{0, 0, 0}, {20, 144, 240}};
    const std::string path = write_bmp("stretch.bmp", 4, 2, table, {0, 1, 0, 1, 1, 1, 1, 1});
    Bitmap* b = LoadBitmapFile(path.c_str());
    ASSERT_NE(b, nullptr);

    // Whole bitmap doubled: each pixel becomes a 2 × 2 block.
    Surface* big = Make(8, 4);
    EXPECT_EQ(ddcopybitmap(big, b, 0, 0, 0, 0), DD_OK);
    const std::uint8_t top[8] = {0, 0, 192, 192, 0, 0, 192, 192};
    for (int x = 0; x < 8; ++x) {
        EXPECT_EQ(pixel(big, x, 0), top[x]) << x;
        EXPECT_EQ(pixel(big, x, 1), top[x]) << x;
        EXPECT_EQ(pixel(big, x, 3), 192) << x;
    }

    // A one-pixel source rectangle fills the whole surface.
    Surface* one = Make(3, 3);
    EXPECT_EQ(ddcopybitmap(one, b, 1, 0, 1, 1), DD_OK);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(pixel(one, x, y), 192);

    EXPECT_EQ(ddcopybitmap(nullptr, b, 0, 0, 0, 0), E_FAIL);
    EXPECT_EQ(ddcopybitmap(one, nullptr, 0, 0, 0, 0), E_FAIL);
    DeleteBitmap(b);
}

TEST_F(BitmapCopyTest, UnreadableFilesGiveNoBitmap) {
    EXPECT_EQ(LoadBitmapFile("/keine/solche/datei.bmp"), nullptr);
    const std::string path = ::testing::TempDir() + "kaputt.bmp";
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::fputs("BM kein Bild", f);
    std::fclose(f);
    EXPECT_EQ(LoadBitmapFile(path.c_str()), nullptr);
    // The program's own bitmaps load by name, in any case.
    Bitmap* logo = LoadBitmapResource("logo");
    ASSERT_NE(logo, nullptr);
    EXPECT_EQ(BitmapWidth(logo), 311);
    EXPECT_EQ(BitmapHeight(logo), 160);
    DeleteBitmap(logo);
}
