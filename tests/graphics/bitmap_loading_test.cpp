// Bitmaps onto surfaces and palettes of resources and files, from files whose colour tables differ from the game's.
#include <cstring>

#include "bmp_writer.h"
#include "graphics/bitmap_loading.h"
#include "platform/resources.h"
#include "platform/testing/test_hooks.h"
#include "support/graphics_fixture.h"
#include "support/riff_bytes.h"

using namespace platform;
using riff::Bytes;

namespace {

std::string write(const std::string& name, const Bytes& bytes) {
    assetgen::write_file(::testing::TempDir() + name, bytes);
    return ::testing::TempDir() + name;
}

// An 8-bit picture file of the given pixels whose first colours are these.
std::string picture(const std::string& name, int w, int h, const Bytes& pixels, const std::vector<Rgb8>& colours) {
    assetgen::Image image(w, h, 0);
    image.pixels = pixels;
    Bytes bytes = assetgen::bmp_file_bytes(image);
    for (std::size_t i = 0; i < colours.size(); ++i)
        std::copy_n(Bytes{colours[i].b, colours[i].g, colours[i].r}.begin(), 3, bytes.begin() + 54 + 4 * i);
    return write(name, bytes);
}

// A bitmap resource's info header and `entries` colours, colour i as blue i, green 100, red 255 - i.
Bytes dib(std::uint32_t header_size, std::uint16_t bits, std::uint32_t used, int entries) {
    Bytes v;
    for (std::uint32_t x : {header_size, 10u, 10u}) riff::put(v, x, 4);
    v.insert(v.end(), {1, 0, std::uint8_t(bits), 0});
    for (std::uint32_t x : {0u, 0u, 0u, 0u, used, 0u}) riff::put(v, x, 4);
    v.resize(header_size < 40 ? 40 : header_size, 0);
    for (int i = 0; i < entries; ++i) v.insert(v.end(), {std::uint8_t(i), 100, std::uint8_t(255 - i), 0});
    return v;
}

class BitmapLoadingTest : public DisplayTest {
protected:
    void TearDown() override {
        for (Palette* p : palettes_)
            if (p) p->Release();
        SetResourceTable(nullptr, 0);
        DisplayTest::TearDown();
    }

    Palette* Load(const char* name) { return palettes_.emplace_back(loadbitmappalette(lpdd, name)); }
    Palette* FromResource(const Bytes& bytes) {
        resource_ = {"TESTPAL", ResourceType::Bitmap, bytes.data(), bytes.size()};
        SetResourceTable(&resource_, 1);
        return Load("testpal");  // names match without regard to case
    }

    std::vector<Palette*> palettes_;
    Resource resource_{};
};

// Entries [0, n) hold the test colours, the rest the colour ramp with white at 255.
void expect_resource_colours(const Palette* p, int n, const char* what) {
    ASSERT_NE(p, nullptr) << what;
    for (int i = 0; i < 256; ++i) {
        const std::uint8_t ramp[] = {std::uint8_t((i >> 5 & 7) * 255 / 7), std::uint8_t((i >> 2 & 7) * 255 / 7),
                                     std::uint8_t((i & 3) * 255 / 3), 0};
        const PALETTEENTRY want = i < n ? PALETTEENTRY{std::uint8_t(255 - i), 100, std::uint8_t(i), 0}
                                  : i == 255 ? PALETTEENTRY{255, 255, 255, 0} : PALETTEENTRY{ramp[0], ramp[1], ramp[2], 0};
        ASSERT_EQ(std::memcmp(&p->entries()[i], &want, sizeof want), 0) << what << ": entry " << i;
    }
}

}  // namespace

TEST_F(BitmapLoadingTest, FileColoursMapOntoTheGamePaletteAndTheSourceRectangleIsStretched) {
    // Sky, black, text red, and a colour in no palette entry (nearest: the sky).
    const std::vector<Rgb8> table = {{20, 144, 240}, {0, 0, 0}, {252, 80, 80}, {22, 140, 236}};
    Bitmap* b = LoadBitmapFile(picture("map.bmp", 4, 1, {0, 1, 2, 3}, table).c_str());
    ASSERT_NE(b, nullptr);
    Surface* s = NewSurface(4, 1);
    EXPECT_EQ(ddcopybitmap(s, b, 0, 0, 0, 0), DD_OK);
    EXPECT_EQ(pixels(s).p, (Bytes{192, 0, 1, 192}));
    DeleteBitmap(b);

    // A 4 x 2 bitmap, its top row black, sky, black, sky; the bottom row sky.
    b = LoadBitmapFile(picture("stretch.bmp", 4, 2, {1, 0, 1, 0, 0, 0, 0, 0}, table).c_str());
    ASSERT_NE(b, nullptr);
    Surface* big = NewSurface(8, 4);
    EXPECT_EQ(ddcopybitmap(big, b, 0, 0, 0, 0), DD_OK);
    for (int x = 0; x < 8; ++x)
        for (int y = 0; y < 4; ++y) EXPECT_EQ(pixel(big, x, y), y < 2 && x % 4 < 2 ? 0 : 192) << x << "," << y;  // doubled
    // A one-pixel source rectangle fills the whole surface.
    Surface* one = NewSurface(3, 3);
    EXPECT_EQ(ddcopybitmap(one, b, 1, 0, 1, 1), DD_OK);
    EXPECT_EQ(pixels(one).p, Bytes(9, 192));
    EXPECT_TRUE(ddcopybitmap(nullptr, b, 0, 0, 0, 0) == E_FAIL && ddcopybitmap(one, nullptr, 0, 0, 0, 0) == E_FAIL);
    DeleteBitmap(b);
}

TEST_F(BitmapLoadingTest, ResourceAndFilePalettesTakeTheColoursTheyDeclareOverTheRamp) {
    expect_resource_colours(Load(nullptr), 0, "no name");
    expect_resource_colours(Load("keine-solche-datei.bmp"), 0, "missing file");
    const struct { const char* what; Bytes bytes; int colours; } cases[] = {
        {"255 used", dib(40, 8, 255, 255), 255},
        {"0 used, 8 bits", dib(40, 8, 0, 256), 256},
        {"4 bits", dib(40, 4, 0, 16), 16},
        {"header below 40 bytes", dib(12, 8, 0, 256), 0},
        {"more than 8 bits", dib(40, 24, 0, 256), 0},
        // Counts beyond 256 or beyond the table's end take only what is there.
        {"1000 declared", dib(40, 8, 1000, 256), 256},
        {"table cut short", dib(40, 8, 255, 10), 10},
    };
    for (const auto& c : cases) expect_resource_colours(FromResource(c.bytes), c.colours, c.what);

    // A file's table is read likewise; one cut short leaves the rest on the ramp.
    Bytes file = dib(40, 8, 0, 20);
    file.insert(file.begin(), 14, 0);
    file[0] = 'B', file[1] = 'M';
    expect_resource_colours(Load(write("kurz.bmp", file).c_str()), 20, "short file");
}
