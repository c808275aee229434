#include "platform/testing/fault_injection.h"
#include "shell/recording_file.h"
#include "shell/recording_samples.h"
#include "support/shell_fixture.h"

using RecordingFileTest = ShellTest;

// What cannot be played is told apart by tests/e2e/damaged_recordings.sh, through the program; here opening,
// writing or reading the file fails.
TEST_F(RecordingFileTest, AWriteFailingAnywhereLeavesTheOldFileAndAReadReadsWholeOrIsRefusedWithOneLine) {
    const std::vector<std::uint8_t> gut = MakeSampleRecording().bytes;
    const fs::path ziel = folder_.path / "spiel.aufnahme";
    const std::string name = "ferrow: Die Aufnahme \"" + ziel.string() + "\" ";
    // Opening, the pieces, closing, renaming: each call failing in turn, then none.
    const std::size_t stueck = gut.size() / 3 + 1;
    const unsigned long aufrufe = 1 + 3 + 2;
    for (unsigned long k = 1; k <= aufrufe + 1; ++k) {
        WriteWholeFile(ziel, "alt");
        CapturedStream fehler;
        platform::FailCall(k);
        Aufnahmedatei datei;
        if (datei.oeffnen(ziel.string(), fehler.f)) {
            for (std::size_t von = 0; von < gut.size(); von += stueck)
                datei.schreiben({gut.begin() + std::ptrdiff_t(von), gut.begin() + std::ptrdiff_t(std::min(von + stueck, gut.size()))});
            EXPECT_EQ(datei.abschliessen(fehler.f), k > aufrufe) << "k=" << k;
        }
        const bool gut_geschrieben = k > aufrufe;
        EXPECT_EQ(fehler.text(), k == 1 ? name + "lässt sich nicht anlegen.\n" : gut_geschrieben ? "" : name + "ließ sich nicht schreiben.\n");
        EXPECT_TRUE(ReadWholeFile(ziel) == (gut_geschrieben ? std::string(gut.begin(), gut.end()) : "alt")) << "k=" << k;
        EXPECT_EQ(std::distance(fs::directory_iterator(folder_.path), {}), 1) << "k=" << k;
    }

    // The file written whole, read back.
    for (unsigned long k : {0, 1, 2}) {
        CapturedStream fehler;
        std::vector<std::uint8_t> gelesen;
        platform::FailCall(k);
        EXPECT_EQ(aufnahmelesen(ziel.string(), &gelesen, fehler.f), k == 0);
        EXPECT_EQ(fehler.text(), k == 0 ? "" : name + "lässt sich nicht lesen.\n");
        EXPECT_TRUE(k != 0 || gelesen == gut);
    }
    platform::FailCall(0);
}
