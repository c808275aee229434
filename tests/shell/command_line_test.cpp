#include "shell/command_line.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/portable/frame_pacing.h"
#include "platform/saving.h"
#include "shell/recording_samples.h"
#include "support/shell_fixture.h"

namespace {

struct Answer { int status; std::string out, err; };

Answer ask(std::vector<const char*> args) {
    args.insert(args.begin(), "ferrow");
    CapturedStream o, e;
    const int status = befehlszeile(int(args.size()), args.data(), o.f, e.f);
    return {status, o.text(), e.text()};
}

const std::string usage = "Aufruf: ferrow [--windowed | --fullscreen] [--integer-scaling | --fill]\n"
                          "               [--nosound] [--help] [--version]\n"
                          "        ferrow [--windowed | --fullscreen] [--integer-scaling | --fill]\n"
                          "               [--nosound] (--record | --play | --timedemo) DATEI\n";

}  // namespace

// Where the help says the settings are, on each system.
#ifdef _WIN32
constexpr char kEinstellungen[] = "%APPDATA%\\ferrow\\settings";
#else
constexpr char kEinstellungen[] = "$XDG_CONFIG_HOME/ferrow/settings";
#endif

TEST(CommandLineTest, HelpAndVersionAnswerAndEndUnknownOptionsAreRefusedKnownOnesPlay) {
    const Answer help = ask({"--help"});
    EXPECT_TRUE(help.status == 0 && help.out.rfind(usage, 0) == 0 && help.err.empty());
    for (const char* line : {"--windowed         im Fenster starten", "--integer-scaling  nur um ganze Faktoren",
                             "--nosound          ohne Ton spielen", kEinstellungen})
        EXPECT_NE(help.out.find(line), std::string::npos) << line;
    // Asked for after another option, still only the answer.
    const Answer version = ask({"--windowed", "--version"});
    EXPECT_TRUE(version.status == 0 && version.out == "ferrow " FERROW_VERSION "\n" && version.err.empty());

    const Answer wrong = ask({"--fenster"});
    EXPECT_TRUE(wrong.status == 2 && wrong.out.empty());
    EXPECT_EQ(wrong.err, "ferrow: unbekannte Option \"--fenster\"\n" + usage);
    EXPECT_EQ(ask({"--windowed", "--integer-scaling", "--fill", "--fullscreen", "--nosound"}).status, kSpielen);
    EXPECT_EQ(ask({}).status, kSpielen);  // and the sound device is a real one again
}

TEST(CommandLineTest, ARecordingIsNamedOnceAndMadeOrCheckedBeforeAnyWindow) {
    const TempFolder ordner;
    const std::string gut = (ordner.path / "gut").string(), neu = (ordner.path / "neu").string();
    const std::vector<std::uint8_t> aufnahme = MakeSampleRecording().bytes;
    WriteWholeFile(gut, std::string(aufnahme.begin(), aufnahme.end()));

    EXPECT_EQ(ask({"--play"}).err, "ferrow: --play braucht eine Datei\n" + usage);
    EXPECT_EQ(ask({"--record", neu.c_str(), "--timedemo", gut.c_str()}).err, "ferrow: --timedemo geht nur allein\n" + usage);
    EXPECT_EQ(ask({"--record", "/kein/ordner/x"}).err, "ferrow: Die Aufnahme \"/kein/ordner/x\" lässt sich nicht anlegen.\n");

    // A timedemo waits for nothing and a replay keeps nothing, until the next command line says otherwise.
    EXPECT_EQ(ask({"--timedemo", gut.c_str()}).status, kSpielen);
    EXPECT_TRUE(!platform::Paced() && !platform::SavingAllowed());
    // A recording is made at once, beside its name, and given up unfinished when the next one chooses no recording.
    EXPECT_EQ(ask({"--record", neu.c_str()}).status, kSpielen);
    EXPECT_TRUE(platform::Paced() && platform::SavingAllowed() && fs::exists(neu + ".neu" + std::to_string(getpid())));
    EXPECT_EQ(ask({}).status, kSpielen);
    EXPECT_EQ(std::distance(fs::directory_iterator(ordner.path), {}), 1);
}
