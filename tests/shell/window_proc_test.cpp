#include "platform/testing/fault_injection.h"
#include "support/shell_fixture.h"

using namespace platform;

namespace {

void send(std::uint32_t message, std::intptr_t lparam = 0, std::uintptr_t wparam = 0) {
    fensterproc(hauptfenster, message, wparam, lparam);
}

}  // namespace

using WindowProcTest = ShellTest;

TEST_F(WindowProcTest, EachPressShootsOnceWhileTimeIsLeftAndReloadsOnceEvenWithout) {
    // Every shot throws a casing into the scene, which must be there.
    for (int i = 0; i < 74; ++i) grafikdatenbank.setgrafikdaten(grafikdaten{});
    for (int i = 0; i < 20; ++i) layerdatenbank.Setlayerdaten(&grafikdatenbank);
    const _layerdaten& huelsen = *layerdatenbank.layerdaten[kLayerHuelsen];
    schuesse = 8;
    for (int left : {0, -1}) {
        restzeit = left;
        send(WM_LBUTTONDOWN, MakeLParam(100, 200));
        EXPECT_TRUE(schuesse == 8 && linkssperre == 0) << "time left " << left;
    }
    EXPECT_FALSE(fakes::DebugLineContains("XPos"));

    restzeit = 30;
    send(WM_LBUTTONDOWN, MakeLParam(100, 200));
    EXPECT_TRUE(schuesse == 7 && klickx == 100 && klicky == 200 && huelsen.ereignissanzahl == 1);
    EXPECT_EQ(fakes::debug_lines.back(), "XPos=100 YPos=200 \n");
    send(WM_LBUTTONDOWN, MakeLParam(110, 210));  // held: no second shot
    EXPECT_TRUE(schuesse == 7 && klickx == 100);
    send(WM_MOUSEMOVE, MakeLParam(639, 479));  // a move frees the latch like a release
    EXPECT_TRUE(mausx == 639 && mausy == 479);
    send(WM_LBUTTONDOWN, MakeLParam(639, 479));
    EXPECT_EQ(schuesse, 6);
    send(WM_LBUTTONUP);
    send(WM_LBUTTONDOWN, MakeLParam(5, 6));
    EXPECT_EQ(std::pair(schuesse, huelsen.ereignissanzahl), std::pair(5, 3));

    restzeit = -1, schuesse = 0;
    send(WM_RBUTTONDOWN);
    EXPECT_EQ(schuesse, 8);
    schuesse = 0;
    send(WM_RBUTTONDOWN);  // still held
    EXPECT_EQ(schuesse, 0);
    send(WM_RBUTTONUP);
    send(WM_RBUTTONDOWN);
    EXPECT_EQ(schuesse, 8);
    EXPECT_TRUE(fakes::boxes.empty());
}

TEST_F(WindowProcTest, ActivationRestoresOnlyALostPrimaryKeepsTheTimeLeftAndAFailedRestoreIsFatal) {
    ASSERT_TRUE(OpenDisplayWithPictures());
    std::tie(restzeit, startzeit, zeitlimit) = std::tuple(42, 0, 90);
    send(WM_ACTIVATEAPP, 0, 1);  // not lost: nothing beyond the flag
    EXPECT_TRUE(programmaktiv == 1 && startzeit == 0 && zeitlimit == 90);

    send(WM_ACTIVATEAPP, 0, 0);
    EXPECT_EQ(programmaktiv, 0);
    lpddsprimary->MarkLost();
    fakes::Advance(30 * 1000000ull);
    grafikdatenbank.grafikdaten[kBildLeuchtturm]->keyfarbe = 0;
    send(WM_ACTIVATEAPP, 0, 1);
    EXPECT_TRUE(fakes::boxes.empty() && lpddsprimary->IsLost() == DD_OK);
    EXPECT_NE(grafikdatenbank.grafikdaten[kBildLeuchtturm]->keyfarbe, 0u) << "pictures were not reloaded";
    EXPECT_EQ(std::pair(zeitlimit, startzeit), std::pair(42, std::int32_t(platform::MonotonicSeconds())));

    lpddsprimary->MarkLost();
    FailNext(Operation::SurfaceRestore, DDERR_GENERIC, lpddsprimary);
    send(WM_ACTIVATEAPP, 0, 1);
    EXPECT_TRUE(fakes::DebugLineContains("Fehler bei Restore Id 0x3d") && lpdd == nullptr);
    EXPECT_EQ(fakes::BoxTexts(), fakes::Lines{"fehler bei Restore"});
}
