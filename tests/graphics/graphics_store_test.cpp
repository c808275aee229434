#include <cstring>

#include "bmp_writer.h"
#include "platform/resources.h"
#include "platform/testing/fault_injection.h"
#include "platform/testing/test_hooks.h"
#include "support/graphics_fixture.h"

namespace {

// A picture file of one colour with another colour in its top-left pixel.
void write_picture(const std::string& name, int w, int h, std::uint8_t fill, std::uint8_t corner) {
    assetgen::Image image(w, h, fill);
    image.set(0, 0, corner);
    assetgen::write_file(name, assetgen::bmp_file_bytes(image));
}

// A record of a picture to load; its number and surface are not taken over.
grafikdaten Record(const char* name, bool transparent) {
    grafikdaten d;
    d.nummer = 99;
    std::snprintf(d.name, sizeof d.name, "%s", name);
    d.transparent = transparent, d.surface = reinterpret_cast<platform::Surface*>(0x1);
    return d;
}

class GraphicsStoreTest : public DisplayTest {
protected:
    void SetUp() override {
        DisplayTest::SetUp();
        fs::current_path(folder_.path);
        store_.init(lpdd, lpddsprimary, lpddsback);
    }
    void TearDown() override { store_.freigeben(); platform::SetResourceTable(nullptr, 0); DisplayTest::TearDown(); }
    _grafikdatenbank store_;
};

}  // namespace

TEST_F(GraphicsStoreTest, PicturesAreNumberedByRegistrationAndFilesWinOverResources) {
    write_picture("eins.bmp", 5, 3, 100, 2);
    write_picture("Zwei.BMP", 7, 2, 120, 0);  // found whatever the case
    write_picture("beides.bmp", 3, 3, 130, 130);
    // A resource of the same name as a file, and one without a file.
    static std::vector<std::uint8_t> dib = assetgen::dib_bytes(assetgen::Image(4, 4, 150), 256);
    static const platform::Resource res[] = {
        {"beides.bmp", platform::ResourceType::Bitmap, dib.data(), dib.size()},
        {"NURRES", platform::ResourceType::Bitmap, dib.data(), dib.size()},
    };
    platform::SetResourceTable(res, 2);

    for (auto [name, keyed] : {std::pair{"eins.bmp", true}, {"zwei.bmp", true}, {"beides.bmp", false}, {"nurres", false}})
        ASSERT_EQ(store_.setgrafikdaten(Record(name, keyed)), 0);
    const auto& g = store_.grafikdaten;
    EXPECT_EQ(g[0]->surface, nullptr);
    ASSERT_EQ(store_.loadgrafikdaten(), 0);
    EXPECT_TRUE(fakes::boxes.empty());
    // The file, not the resource; the key is the top-left pixel, also when that is index 0.
    EXPECT_EQ((std::vector<unsigned>{unsigned(g[1]->surface->width()), pixel(g[2]->surface, 0, 0),
                                     pixel(g[3]->surface, 0, 0), g[0]->keyfarbe & 0xFF, g[1]->keyfarbe & 0xFF}),
              (std::vector<unsigned>{7, 130, 150, 2, 0}));

    // A second load builds every surface anew and reads the key again.
    write_picture("eins.bmp", 5, 3, 100, 7);
    ASSERT_EQ(store_.loadgrafikdaten(), 0);
    EXPECT_EQ(std::pair(g[0]->keyfarbe & 0xFF, unsigned(pixel(g[0]->surface, 0, 0))), std::pair(7u, 7u));

    store_.freigeben();  // the tear-down's release then finds it empty
}

TEST_F(GraphicsStoreTest, EveryFailureIsReportedAndLongNamesAreCut) {
    EXPECT_TRUE(store_.loadgrafikdaten() == 1 && fakes::DebugLineContains("Keine Grafiken zu laden"));
    EXPECT_EQ(fakes::BoxTexts(), fakes::Lines{"_grafikdatenbank::loadgrafikdaten->Keine Grafiken zu laden"});
    _grafikdatenbank ohne;
    EXPECT_EQ(ohne.erzeugesurface(nullptr, 4, 4), nullptr);
    EXPECT_EQ(fakes::boxes.back().text, "Modul:_grafikdatenbank::erzeugesurface-lpdd zeigt auf NULL");

    store_.setgrafikdaten(Record("fehlt.bmp", false));
    EXPECT_EQ(store_.loadgrafikdaten(), 1);
    EXPECT_EQ(fakes::boxes.back().text, "Konnte Bild nicht laden : fehlt.bmp");

    write_picture("fehlt.bmp", 5, 3, 100, 2);
    // A surface that cannot be made: the reload test below.
    programmendet = false;
    ASSERT_TRUE(OpenDisplay());
    store_.init(lpdd, lpddsprimary, lpddsback);
    platform::FailNext(platform::Operation::SurfaceLock, platform::DDERR_GENERIC);
    EXPECT_EQ(store_.loadgrafikdaten(), 1);
    EXPECT_EQ(fakes::boxes.back().text, "_grafikdatenbank::loadgrafikdaten-Lock liefert falschen Wert");

    // A name longer than 39 characters is cut to fit. (The 301st picture is
    // refused where the catalogue overfills the store.)
    _grafikdatenbank lang;
    grafikdaten d;
    std::memset(d.name, 'a', sizeof d.name);
    ASSERT_EQ(lang.setgrafikdaten(d), 0);
    EXPECT_EQ(std::strlen(lang.grafikdaten[0]->name), 39u);
}

TEST_F(GraphicsStoreTest, AReloadWhoseSurfaceCannotBeMadeLeavesTheReleasedStoreAlone) {
    // The program's own store, which the report's shut-down releases.
    write_picture("eins.bmp", 5, 3, 100, 2);
    grafikdatenbank.init(lpdd, lpddsprimary, lpddsback);
    ASSERT_EQ(grafikdatenbank.setgrafikdaten(Record("eins.bmp", true)), 0);
    ASSERT_EQ(grafikdatenbank.loadgrafikdaten(), 0);

    platform::FailNext(platform::Operation::OffscreenSurface);
    EXPECT_EQ(grafikdatenbank.loadgrafikdaten(), 1);
    EXPECT_EQ(fakes::BoxTexts(), fakes::Lines{"DD konnte Surface nicht erzeugen "});
    EXPECT_EQ(grafikdatenbank.anzahl, 0);
    // Nothing is left pointing at the display that went with it.
    EXPECT_TRUE(grafikdatenbank.lpdd == nullptr && grafikdatenbank.lpddsprimary == nullptr &&
                grafikdatenbank.lpddsback == nullptr);
}
