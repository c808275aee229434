// Scripted games recorded and replayed on the fake clock, each in a process of its own as the program runs them:
// the replay reaches the same score and table, its pictures agree with the recording's, and it writes nothing.
#include <sys/wait.h>

#include "platform/testing/test_hooks.h"
#include "text/text_fixture.h"
#include "shell/command_line.h"
#include "shell/recording_format.h"
#include "shell/run_folder.h"
#include "support/scripted_session.h"
#include "support/shell_fixture.h"
#include "text/highscore_table.h"

using namespace platform;

namespace {

// --- The script.

void Shoot(int x, int y) {
    Send(WM_MOUSEMOVE, 0, MakeLParam(x - 3, y));
    Send(WM_MOUSEMOVE, 0, MakeLParam(x, y));
    Send(WM_LBUTTONDOWN, 0, MakeLParam(x, y));
    Send(WM_LBUTTONUP, 0, MakeLParam(x, y));
}

// The name ZOE, the countdown, shots, an empty magazine and its reload, scrolling by key and by the pointer at an
// edge, a switch away and back that lost the surfaces, the end of the 90 seconds, Escape.
void WriteScript() {
    EnterZoeAndWaitOutTheCountdown(7);
    for (int n = 0; n < 9; ++n) {
        Shoot(70 * n + 40, 120 + 25 * n);
        Frames(20);
    }
    Send(WM_RBUTTONDOWN);
    Send(WM_RBUTTONUP);
    Frames(30, {VK_RIGHT});
    Send(WM_MOUSEMOVE, 0, MakeLParam(0, 479));
    Frames(30);
    Send(WM_ACTIVATEAPP, 0);
    Send(WM_ACTIVATEAPP, 1, 0, 10000000);
    Shoot(300, 200);
    Frames(200, {VK_UP});
    Frames(1, {}, 91000000);
    Frames(60);
    Send(WM_KEYDOWN, VK_ESCAPE);
}

bool Wait(Message* msg) {
    while (!ScriptedMessage(msg)) continue;
    return true;
}
const MessageSource kScript = {ScriptedMessage, Wait};
// Nobody at the keys: a replay has its frames to itself.
const MessageSource kNobody = {[](Message*) { return false; },
                                [](Message* msg) { return *msg = Message{nullptr, WM_CLOSE, 0, 0}, true; }};

// --- One run of the program, in a child process.

struct GameRun {
    std::vector<std::string> argumente;
    fs::path ordner;
    bool skript = false;           // played from the script, else by nobody
    std::string tabelle;           // written as "hight.dat" first, if any
    bool bildgeaendert = false;    // a picture of the data unlike the generator's
};

struct Outcome {
    int status = -1;
    std::string aus, fehler, tabelle, punkte;
};

[[noreturn]] void Kind(const GameRun& lauf) {
    alarm(60);
    EnterRunFolder(lauf.ordner, lauf.tabelle);
    if (lauf.bildgeaendert) {
        const fs::path bild = lauf.ordner / "data" / "set0" / "info256.bmp";
        fs::remove(bild);
        fs::copy_file(fs::path(FERROW_DATA_DIR) / "highlogo256.bmp", bild);
    }
    // Settings kept as a player's would be.
    fs::create_directories(lauf.ordner / "config" / "ferrow");
    WriteWholeFile(lauf.ordner / "config" / "ferrow" / "settings", "vollbild = nein\n");

    std::vector<const char*> argv = {"ferrow", "--windowed"};
    for (const std::string& a : lauf.argumente) argv.push_back(a.c_str());
    if (befehlszeile(int(argv.size()), argv.data(), stdout, stderr) != kSpielen) std::exit(100);
    if (lauf.skript) WriteScript();
    SetMessageSource(lauf.skript ? &kScript : &kNobody);
    const int status = WinMain();
    std::uint8_t tabelle[_highscore::kDateibytes];
    highscore.tabellenbytes(tabelle);
    std::ofstream(lauf.ordner / "tabelle", std::ios::binary).write(reinterpret_cast<const char*>(tabelle), sizeof tabelle);
    std::ofstream(lauf.ordner / "punkte") << punkte;
    std::exit(status);
}

Outcome RunGame(const GameRun& lauf) {
    fs::create_directories(lauf.ordner);
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) Kind(lauf);
    int wstatus = 0;
    waitpid(pid, &wstatus, 0);
    Outcome a;
    a.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : 128 + WTERMSIG(wstatus);
    a.aus = ReadWholeFile(lauf.ordner / "stdout");
    a.fehler = ReadWholeFile(lauf.ordner / "stderr");
    a.tabelle = ReadWholeFile(lauf.ordner / "tabelle");
    a.punkte = ReadWholeFile(lauf.ordner / "punkte");
    return a;
}

// The lines the program wrote for the player, without the game's debug lines.
std::string Meldungen(const std::string& fehler) {
    std::string zeilen;
    for (std::size_t a = fehler.find("ferrow: "); a != std::string::npos; a = fehler.find("ferrow: ", a + 1))
        zeilen += fehler.substr(a, fehler.find('\n', a) + 1 - a);
    return zeilen;
}

}  // namespace

using RecordedGameTest = ShellTest;

TEST_F(RecordedGameTest, AReplayReachesTheRecordedScoreTableAndPicturesAndKeepsNothing) {
    const fs::path wurzel = folder_.path;
    const std::string aufnahme = (wurzel / "zoe.aufnahme").string();
    const Outcome spiel = RunGame({{"--record", aufnahme}, wurzel / "spiel", true, ""});
    ASSERT_EQ(spiel.status, 0) << spiel.fehler;
    ASSERT_EQ(Meldungen(spiel.fehler), "");
    // The game scored, and was saved with its player.
    ASSERT_NE(spiel.punkte, "0");
    ASSERT_NE(ReadWholeFile(wurzel / "spiel" / "data" / "set0" / "hight.dat").find("ZOE"), std::string::npos);

    const std::string bytes = ReadWholeFile(aufnahme);
    const auto* daten = reinterpret_cast<const std::uint8_t*>(bytes.data());
    ASSERT_EQ(aufnahmepruefen(daten, bytes.size()).befund, Befund::gut);
    Bandleser leser(daten, bytes.size());
    Aufnahmekopf kopf;
    leser.kopf(&kopf);
    int bilder = 0, pruefsummen = 0, reaktiviert = 0;
    for (Schritt s; leser.schritt(&s);) {
        bilder += s.bild;
        pruefsummen += s.mitpruefsumme;
        for (const Nachricht& m : s.nachrichten) reaktiviert += m.art == Nachricht::reaktiviert;
    }
    EXPECT_EQ(reaktiviert, 1);
    EXPECT_GE(pruefsummen, bilder / 120);
    EXPECT_LT(bytes.size(), 556 + 40u * bilder);

    // Played back where another table lies.
    const std::string fremd = HighscoreFileBytes({{"Fremder", 900}, {"Anderer", 800}});
    const Outcome wieder = RunGame({{"--play", aufnahme}, wurzel / "wieder", false, fremd});
    EXPECT_EQ(wieder.status, 0) << Meldungen(wieder.fehler);
    EXPECT_EQ(wieder.aus.substr(0, wieder.aus.find(" in ")), "Wiedergabe: " + std::to_string(bilder) + " Bilder");
    EXPECT_EQ(wieder.aus.substr(wieder.aus.find(", ")), ", " + spiel.punkte + " Punkte\n");
    EXPECT_TRUE(wieder.punkte == spiel.punkte && wieder.tabelle == spiel.tabelle);
    EXPECT_EQ(ReadWholeFile(wurzel / "wieder" / "data" / "set0" / "hight.dat"), fremd);
    // Beside the data linked in, nothing but the table it found.
    for (const auto& e : fs::directory_iterator(wurzel / "wieder" / "data" / "set0"))
        EXPECT_TRUE(e.is_symlink() || e.path().filename() == "hight.dat") << e.path();

    // As fast as it goes, with another picture in the data: the first frame already differs.
    const Outcome anders = RunGame({{"--timedemo", aufnahme}, wurzel / "anders", false, "", true});
    EXPECT_EQ(anders.status, 3);
    EXPECT_EQ(Meldungen(anders.fehler), "ferrow: Die Wiedergabe weicht ab Bild 1 von der Aufnahme ab (andere Spieldaten?).\n");
}
