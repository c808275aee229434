#include <unistd.h>

#include "platform/fault_injection.h"
#include "shell/recording_file.h"
#include "shell/recording_samples.h"
#include "support/shell_fixture.h"

namespace {

// A stream whose text the test reads back.
class Mitschrift {
public:
    Mitschrift() : f(open_memstream(&text_, &laenge_)) {}
    ~Mitschrift() { std::fclose(f); std::free(text_); }
    std::string text() { std::fflush(f); return std::string(text_, laenge_); }
    std::FILE* const f;

private:
    char* text_ = nullptr;
    std::size_t laenge_ = 0;
};

}  // namespace

using RecordingFileTest = ShellTest;

TEST_F(RecordingFileTest, WhatCannotBePlayedIsRefusedWithOneLine) {
    const std::vector<std::uint8_t> gut = probeaufnahme().bytes;
    const fs::path ordner = folder_.path;
    anlegen(ordner / "gut", std::string(gut.begin(), gut.end()));
    anlegen(ordner / "kurz", std::string(gut.begin(), gut.begin() + 600));
    // Larger than any recording, and never read: its blocks are not even there.
    ASSERT_EQ(truncate((anlegen(ordner / "gross", "x"), ordner / "gross").c_str(), off_t(65) << 20), 0);
    const std::pair<std::string, std::string> faelle[] = {
        {"fehlt", "ferrow: Die Aufnahme \"P/fehlt\" gibt es nicht.\n"},
        {"", "ferrow: Die Aufnahme \"P/\" lässt sich nicht lesen.\n"},
        {"gross", "ferrow: Die Aufnahme \"P/gross\" ist zu groß (mehr als 64 MiB).\n"},
        {"kurz", "ferrow: Die Aufnahme \"P/kurz\" ist unvollständig (nach 600 Bytes abgeschnitten).\n"},
    };
    for (const auto& [name, zeile] : faelle) {
        Mitschrift fehler;
        std::vector<std::uint8_t> gelesen;
        EXPECT_FALSE(aufnahmelesen((ordner / name).string(), &gelesen, fehler.f));
        std::string soll = zeile;
        soll.replace(soll.find('P'), 1, ordner.string());
        EXPECT_EQ(fehler.text(), soll);
    }

    Mitschrift fehler;
    std::vector<std::uint8_t> gelesen;
    EXPECT_TRUE(aufnahmelesen((ordner / "gut").string(), &gelesen, fehler.f) && gelesen == gut && fehler.text().empty());
    // The file there, but opening or reading it failing.
    for (unsigned long k : {1, 2}) {
        Mitschrift f;
        platform::FailCall(k);
        EXPECT_FALSE(aufnahmelesen((ordner / "gut").string(), &gelesen, f.f));
        EXPECT_EQ(f.text(), "ferrow: Die Aufnahme \"" + (ordner / "gut").string() + "\" lässt sich nicht lesen.\n");
    }
    platform::FailCall(0);
}

TEST_F(RecordingFileTest, AWriteFailingAnywhereLeavesTheOldFileAndNothingElse) {
    const std::vector<std::uint8_t> gut = probeaufnahme().bytes;
    const fs::path ziel = folder_.path / "spiel.aufnahme";
    const std::string name = "ferrow: Die Aufnahme \"" + ziel.string() + "\" ";
    // Opening, the pieces, closing, renaming: each call failing in turn, then none.
    const std::size_t stueck = gut.size() / 3 + 1;
    const unsigned long aufrufe = 1 + 3 + 2;
    for (unsigned long k = 1; k <= aufrufe + 1; ++k) {
        anlegen(ziel, "alt");
        Mitschrift fehler;
        platform::FailCall(k);
        Aufnahmedatei datei;
        if (datei.oeffnen(ziel.string(), fehler.f)) {
            for (std::size_t von = 0; von < gut.size(); von += stueck)
                datei.schreiben({gut.begin() + std::ptrdiff_t(von), gut.begin() + std::ptrdiff_t(std::min(von + stueck, gut.size()))});
            EXPECT_EQ(datei.abschliessen(fehler.f), k > aufrufe) << "k=" << k;
        }
        const bool gut_geschrieben = k > aufrufe;
        EXPECT_EQ(fehler.text(), k == 1 ? name + "lässt sich nicht anlegen.\n" : gut_geschrieben ? "" : name + "ließ sich nicht schreiben.\n");
        EXPECT_TRUE(lesen(ziel) == (gut_geschrieben ? std::string(gut.begin(), gut.end()) : "alt")) << "k=" << k;
        EXPECT_EQ(std::distance(fs::directory_iterator(folder_.path), {}), 1) << "k=" << k;
    }
    platform::FailCall(0);
}
