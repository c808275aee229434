#include <cstdio>
#include <string>
#include <vector>

#include "graphics/bitmap_loading.h"
#include "platform/resources.h"
#include "support/shell_fixture.h"

using namespace platform;

namespace {

void put32(std::vector<std::uint8_t>& v, std::uint32_t x) {
    for (int i = 0; i < 4; ++i) v.push_back(std::uint8_t(x >> (8 * i)));
}

// An info header (and colour table of `entries` entries, colour i stored as
// blue = i, green = 100, red = 255 - i) as a bitmap resource holds it.
std::vector<std::uint8_t> dib(std::uint32_t header_size, std::uint16_t bits, std::uint32_t used, int entries) {
    std::vector<std::uint8_t> v;
    put32(v, header_size);
    put32(v, 10);
    put32(v, 10);
    v.push_back(1), v.push_back(0);
    v.push_back(std::uint8_t(bits)), v.push_back(0);
    for (int i = 0; i < 4; ++i) put32(v, 0);
    put32(v, used);
    put32(v, 0);
    v.resize(header_size < 40 ? 40 : header_size, 0);
    for (int i = 0; i < entries; ++i) {
        v.push_back(std::uint8_t(i));
        v.push_back(100);
        v.push_back(std::uint8_t(255 - i));
        v.push_back(0);
    }
    return v;
}

PALETTEENTRY ramp(int i) {
    return {std::uint8_t(((i >> 5) & 7) * 255 / 7), std::uint8_t(((i >> 2) & 7) * 255 / 7), std::uint8_t((i & 3) * 255 / 3), 0};
}

bool same(const PALETTEENTRY& a, const PALETTEENTRY& b) {
    return a.peRed == b.peRed && a.peGreen == b.peGreen && a.peBlue == b.peBlue && a.peFlags == b.peFlags;
}

// Entries [0, n) hold the test colours, the rest the ramp with white at 255.
void expect_resource_colours(const Palette* p, int n, const char* what) {
    ASSERT_NE(p, nullptr) << what;
    for (int i = 0; i < 256; ++i) {
        PALETTEENTRY want = i < n ? PALETTEENTRY{std::uint8_t(255 - i), 100, std::uint8_t(i), 0}
                                  : (i == 255 ? PALETTEENTRY{255, 255, 255, 0} : ramp(i));
        ASSERT_TRUE(same(p->entries()[i], want)) << what << ": entry " << i;
    }
}

class PaletteTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_TRUE(OpenDisplay());
    }
    void TearDown() override {
        SetResourceTable(nullptr, 0);
        ShellTest::TearDown();
    }

    Palette* FromResource(const std::vector<std::uint8_t>& bytes) {
        resource_ = {"TESTPAL", ResourceType::Bitmap, bytes.data(), bytes.size()};
        SetResourceTable(&resource_, 1);
        return Keep(loadbitmappalette(lpdd, "testpal"));  // names match without regard to case
    }

    Palette* Keep(Palette* p) {
        kept_.push_back(p);
        return p;
    }

    ~PaletteTest() override {
        for (Palette* p : kept_)
            if (p) p->Release();
    }

    Resource resource_{};
    std::vector<Palette*> kept_;
};

}  // namespace

TEST_F(PaletteTest, WithoutANameTheRampWithWhiteAtTheTop) {
    expect_resource_colours(Keep(loadbitmappalette(lpdd, nullptr)), 0, "no name");
    expect_resource_colours(Keep(loadbitmappalette(lpdd, "keine-solche-datei.bmp")), 0, "missing file");
}

TEST_F(PaletteTest, ResourceColoursFollowTheDeclaredCount) {
    std::vector<std::uint8_t> used255 = dib(40, 8, 255, 255);
    expect_resource_colours(FromResource(used255), 255, "255 used");

    std::vector<std::uint8_t> all = dib(40, 8, 0, 256);
    const Palette* p = FromResource(all);
    expect_resource_colours(p, 256, "0 used, 8 bits");

    std::vector<std::uint8_t> four_bits = dib(40, 4, 0, 16);
    expect_resource_colours(FromResource(four_bits), 16, "4 bits");

    std::vector<std::uint8_t> small_header = dib(12, 8, 0, 256);
    expect_resource_colours(FromResource(small_header), 0, "header below 40 bytes");

    std::vector<std::uint8_t> deep = dib(40, 24, 0, 256);
    expect_resource_colours(FromResource(deep), 0, "more than 8 bits");

    // Counts beyond 256 or beyond the table's end take only what is there.
    std::vector<std::uint8_t> too_many = dib(40, 8, 1000, 256);
    expect_resource_colours(FromResource(too_many), 256, "1000 declared");
    std::vector<std::uint8_t> cut_short = dib(40, 8, 255, 10);
    expect_resource_colours(FromResource(cut_short), 10, "table cut short");
}

TEST_F(PaletteTest, FileReadsAFullTableWhateverTheDepth) {
    std::vector<std::uint8_t> bytes = {'B', 'M'};
    bytes.resize(14, 0);
    std::vector<std::uint8_t> info = dib(40, 4, 0, 0);
    bytes.insert(bytes.end(), info.begin(), info.end());
    for (int i = 0; i < 1024; ++i) bytes.push_back(std::uint8_t(i * 7 + 3));
    const std::string path = ::testing::TempDir() + "vierbit.bmp";
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);

    const Palette* p = Keep(loadbitmappalette(lpdd, path.c_str()));
    ASSERT_NE(p, nullptr);
    for (int i = 0; i < 256; ++i) {
        const std::uint8_t* raw = &bytes[54 + 4 * i];
        // The sixteen declared colours are turned round to red, green, blue;
        // the rest keep the file's bytes as they stand.
        PALETTEENTRY want = i < 16 ? PALETTEENTRY{raw[2], raw[1], raw[0], raw[3]} : PALETTEENTRY{raw[0], raw[1], raw[2], raw[3]};
        ASSERT_TRUE(same(p->entries()[i], want)) << "entry " << i;
    }

    // A short file leaves the entries it does not reach on the ramp.
    bytes.resize(54 + 4 * 20);
    f = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    p = Keep(loadbitmappalette(lpdd, path.c_str()));
    EXPECT_TRUE(same(p->entries()[19], PALETTEENTRY{bytes[54 + 76], bytes[54 + 77], bytes[54 + 78], bytes[54 + 79]}));
    for (int i = 20; i < 255; ++i) ASSERT_TRUE(same(p->entries()[i], ramp(i))) << "entry " << i;
}

TEST_F(PaletteTest, TheGamePaletteNamesItsFixedColours) {
    const Palette* p = Keep(loadbitmappalette(lpdd, "DONUT"));
    ASSERT_NE(p, nullptr);
    const auto& e = p->entries();
    EXPECT_TRUE(same(e[0], {0, 0, 0, 0}));
    EXPECT_TRUE(same(e[1], {252, 80, 80, 0}));
    EXPECT_TRUE(same(e[192], {20, 144, 240, 0}));
    EXPECT_TRUE(same(e[255], {255, 255, 255, 0}));
}
