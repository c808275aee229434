// Start-up where the data lacks a picture: a report naming it, never a crash. (No display and no sound device are
// run through the program itself, by tests/e2e/no_display.sh and no_sound_device.sh.)
#include "support/shell_fixture.h"

namespace {

// The picture spoilt in a copy of the data (null: no data at all), and what it then holds: bytes, or its first `keep`.
struct BrokenData { const char *name, *picture, *bytes; std::size_t keep; } const kBrokenData[] = {
    {"no data folder", nullptr, "", 0}, {"not a picture", "wasser256.bmp", "kein Bild", 0},
    {"cut short", "floss9256.bmp", "", 800}, {"empty", "tschik256.bmp", "", 0}};

void PrintTo(const BrokenData& c, std::ostream* os) { *os << c.name; }

class NoPictureTest : public ShellTest, public testing::WithParamInterface<BrokenData> {};

}  // namespace

TEST_P(NoPictureTest, NoDataFolderOrABrokenPictureIsReportedByThePicturesName) {
    const BrokenData& c = GetParam();
    const fs::path start = folder_.path / "start", daten = start / "data" / "set0";
    fs::create_directories(start);
    if (c.picture) {
        fs::create_directories(start / "data");
        fs::copy(FERROW_DATA_DIR, daten, fs::copy_options::recursive);
        WriteWholeFile(daten / c.picture, c.keep ? ReadWholeFile(daten / c.picture).substr(0, c.keep) : c.bytes);
    }
    fs::current_path(start);
    ASSERT_TRUE(OpenDisplay());
    LoadPictures();
    const std::string picture = c.picture ? c.picture : "wasser256.bmp";
    EXPECT_EQ(fakes::BoxTexts(), fakes::Lines{"Konnte Bild nicht laden : " + picture});
    EXPECT_TRUE(programmendet && lpdd == nullptr);
}

INSTANTIATE_TEST_SUITE_P(Cases, NoPictureTest, testing::ValuesIn(kBrokenData));
