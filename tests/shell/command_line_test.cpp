#include "shell/command_line.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Answer { int status; std::string out, err; };

// What was written to a scratch stream (tmpfile, since Windows has no memory streams).
std::string written(std::FILE* f) {
    std::string text(std::size_t(std::ftell(f)), '\0');
    std::rewind(f);
    text.resize(std::fread(text.data(), 1, text.size(), f));
    std::fclose(f);
    return text;
}

Answer ask(std::vector<const char*> args) {
    args.insert(args.begin(), "ferrow");
    std::FILE *o = std::tmpfile(), *e = std::tmpfile();
    const int status = befehlszeile(int(args.size()), args.data(), o, e);
    return {status, written(o), written(e)};
}

}  // namespace

// Where the help says the settings are, on each system.
#ifdef _WIN32
constexpr char kEinstellungen[] = "%APPDATA%\\ferrow\\settings";
#else
constexpr char kEinstellungen[] = "$XDG_CONFIG_HOME/ferrow/settings";
#endif

TEST(CommandLineTest, HelpAndVersionAnswerAndEndUnknownOptionsAreRefusedKnownOnesPlay) {
    const std::string usage =
        "Aufruf: ferrow [--windowed | --fullscreen] [--integer-scaling | --fill] [--nosound] [--help] [--version]\n";
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
