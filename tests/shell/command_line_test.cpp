#include "shell/command_line.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Answer { int status; std::string out, err; };

Answer ask(std::vector<const char*> args) {
    args.insert(args.begin(), "ferrow");
    char *out = nullptr, *err = nullptr;
    std::size_t out_len = 0, err_len = 0;
    std::FILE *o = open_memstream(&out, &out_len), *e = open_memstream(&err, &err_len);
    const int status = befehlszeile(int(args.size()), args.data(), o, e);
    std::fclose(o);
    std::fclose(e);
    Answer a{status, out, err};
    std::free(out);
    std::free(err);
    return a;
}

}  // namespace

TEST(CommandLineTest, HelpAndVersionAnswerAndEndUnknownOptionsAreRefusedKnownOnesPlay) {
    const std::string usage =
        "Aufruf: ferrow [--windowed | --fullscreen] [--integer-scaling | --fill]\n"
        "               [--nosound] [--help] [--version]\n";
    const Answer help = ask({"--help"});
    EXPECT_TRUE(help.status == 0 && help.out.rfind(usage, 0) == 0 && help.err.empty());
    for (const char* line : {"--windowed         im Fenster starten", "--integer-scaling  nur um ganze Faktoren",
                             "--nosound          ohne Ton spielen", "$XDG_CONFIG_HOME/ferrow/settings"})
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
