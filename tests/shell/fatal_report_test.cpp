#include "platform/display_device.h"
#include "platform/testing/fault_injection.h"
#include "support/shell_fixture.h"

using namespace platform;

using FatalReportTest = ShellTest;

TEST_F(FatalReportTest, AFailedFlipReleasesOnceAndNothingTouchesTheDisplayAfterwards) {
    ASSERT_TRUE(OpenDisplay());
    FailNext(Operation::Flip);
    seitenumschaltung();
    const char* text = "Fehler bei Seitenumschaltung, Programm wird beendet!";
    EXPECT_EQ(fakes::BoxTexts(), fakes::Lines{text});
    EXPECT_TRUE(fakes::DebugLineContains(text) && programmendet);
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
    EXPECT_EQ(std::pair(programmaktiv, FramesPresented()), std::pair(0, frames));
    Message msg;
    EXPECT_TRUE(PeekMessage(&msg) && msg.message == WM_QUIT);
}
