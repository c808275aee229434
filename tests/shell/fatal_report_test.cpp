#include "platform/display_device.h"
#include "support/shell_fixture.h"

using namespace platform;

using FatalReportTest = ShellTest;

TEST_F(FatalReportTest, AFailedFlipReleasesOnceAndNothingTouchesTheDisplayAfterwards) {
    ASSERT_TRUE(OpenDisplay());
    FailNextDisplayStep(DisplayStep::Flip);
    seitenumschaltung();
    const char* text = "Fehler bei Seitenumschaltung, Programm wird beendet!";
    ASSERT_EQ(fakes::boxes.size(), 1u);
    EXPECT_EQ(fakes::boxes[0].caption, "Fehlermeldung ");
    EXPECT_EQ(fakes::boxes[0].text, text);
    EXPECT_TRUE(fakes::DebugLineContains(text));
    EXPECT_TRUE(programmendet);
    EXPECT_TRUE(lpdd == nullptr && lpddsprimary == nullptr && lpddsback == nullptr);

    // A second report shows its box but releases nothing twice; frames,
    // flips, fills, restores and messages queued before the quit do nothing.
    const unsigned long frames = FramesPresented();
    fehlerbox("zweiter Fehler");
    EXPECT_EQ(fakes::boxes.size(), 2u);
    spielschritt();
    seitenumschaltung();
    wiederherstellen();
    aufraeumen();
    programmaktiv = 0;
    fensterproc(hauptfenster, WM_ACTIVATEAPP, 1, 0);
    EXPECT_EQ(programmaktiv, 0);
    EXPECT_EQ(FramesPresented(), frames);
    Message msg;
    EXPECT_TRUE(PeekMessage(&msg));
    EXPECT_EQ(msg.message, WM_QUIT);
}

namespace {

struct SetUpFailure {
    DisplayStep step;
    const char* debug_line;  // null: the step reports with a box of its own
    const char* first_box;
} const kSetUpFailures[] = {
    {DisplayStep::Create, "Fehler bei DirectDrawInit->DirectDrawCreate", nullptr},
    {DisplayStep::CooperativeLevel, "Fehler bei DirectDrawInit->SetCooperativeLevel", nullptr},
    {DisplayStep::DisplayMode, "Fehler bei DirectDrawInit->SetDisplayMode", nullptr},
    {DisplayStep::PrimarySurface, "Fehler bei DirectDrawInit->CreatePrimarySurface", nullptr},
    {DisplayStep::BackBuffer, "Fehler bei DirectDrawInit->CreateBackPuffer", nullptr},
    {DisplayStep::Palette, nullptr, "Palette konnte nicht geladen werden"},
};

void PrintTo(const SetUpFailure& c, std::ostream* os) { *os << int(c.step); }

class DisplaySetUpTest : public ShellTest, public testing::WithParamInterface<SetUpFailure> {};

}  // namespace

TEST_P(DisplaySetUpTest, EachFailureNamesItsStepThenTheInitReport) {
    const SetUpFailure& c = GetParam();
    FailNextDisplayStep(c.step);
    SetWindowedStart(true);
    EXPECT_EQ(initfenster(), 1);
    ASSERT_EQ(fakes::boxes.size(), c.first_box ? 2u : 1u);
    EXPECT_EQ(fakes::boxes[0].text, c.first_box ? c.first_box : fakes::boxes.back().text);
    EXPECT_EQ(fakes::boxes.back().text, "Fehler bei DirectDrawInit (id:00)");
    if (c.debug_line) {
        EXPECT_TRUE(fakes::DebugLineContains(c.debug_line)) << c.debug_line;
    }
    // Start-up went no further, and everything made is released.
    EXPECT_TRUE(programmendet && lpdd == nullptr && lpddsprimary == nullptr);
    EXPECT_EQ(basisordner[0], 0) << "start-up went on after the report";
    Message msg;
    EXPECT_TRUE(PeekMessage(&msg));
    EXPECT_EQ(msg.message, WM_QUIT);
}

INSTANTIATE_TEST_SUITE_P(Steps, DisplaySetUpTest, testing::ValuesIn(kSetUpFailures));
