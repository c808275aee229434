// The table survives the program being killed while it saves: F2 held saves "hight.dat" every frame, and a kill at any
// moment leaves either the table before that save or the one after it, byte for byte, never a mixture.
#include <signal.h>
#include <sys/wait.h>

#include <thread>

#include "support/seed.h"
#include "support/shell_fixture.h"
#include "text/highscore_table.h"

namespace {

constexpr int kRounds = 200;

// Save i: even ones F2's reset table, odd ones a score on top, so each save changes the file; -1: a run's start.
void SetTable(_highscore& t, int i) {
    t.ruecksetztabelle();
    if (i % 2 != 0) t.tabellenpunkte[0] = 1000 + i;
}

class KillWhileSavingTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        for (const char* ordner : {"data", "muster"}) fs::create_directories(folder_.path / ordner);
        fs::copy(FERROW_DATA_DIR, folder_.path / "data" / "set0", fs::copy_options::recursive);
        platform::SetWindowedStart(true);
    }

    // The file the game writes for save number i, made by the same code.
    std::string Expected(int i) {
        fs::current_path(folder_.path / "muster");
        _highscore t;
        t.eingerichtet = true;
        SetTable(t, i);
        EXPECT_EQ(t.schreiben(), 0);
        fs::current_path(FERROW_BUILD_DIR);
        return ReadWholeFile(folder_.path / "muster" / "hight.dat");
    }

    // The game starts once in a process of its own and forks, each round, a copy that saves as F2 does
    // frame after frame, sending its process number, then each finished save's; the game then sends kKilled.
    [[noreturn]] void Play(int auftraege, int melden) {
        fs::current_path(folder_.path);
        if (initfenster() != 1 || programmendet) _exit(2);
        for (char auftrag; read(auftraege, &auftrag, 1) == 1;) {
            const pid_t kopie = fork();
            if (kopie == 0) Save(melden);
            int status = 0;
            waitpid(kopie, &status, 0);
            const int vorbei = WIFSIGNALED(status) ? kKilled : kNotKilled;
            if (write(melden, &vorbei, sizeof vorbei) != sizeof vorbei) _exit(2);
        }
        _exit(0);
    }

    [[noreturn]] static void Save(int melden) {
        const int ich = getpid();
        if (write(melden, &ich, sizeof ich) != sizeof ich) _exit(2);
        for (int i = 0;; ++i) {
            if (i % 2 == 0) {
                highscore.zuruecksetzen();
                highscore.auswerten();
            } else {
                SetTable(highscore, i);
                if (highscore.schreiben() != 0) _exit(3);
            }
            if (write(melden, &i, sizeof i) != sizeof i) _exit(2);
        }
    }

    static constexpr int kKilled = -2, kNotKilled = -3;
};

}  // namespace

TEST_F(KillWhileSavingTest, AKillAtAnyMomentLeavesTheOldOrTheNewTable) {
    const fs::path datei = folder_.path / "data" / "set0" / "hight.dat";
    const unsigned seed = TestSeed();
    std::mt19937 zufall(seed);
    int alte = 0, neue = 0, saves = 0, reste = 0, auftraege[2], meldungen[2];
    ASSERT_TRUE(pipe(auftraege) == 0 && pipe(meldungen) == 0);
    const pid_t spiel = fork();
    ASSERT_GE(spiel, 0);
    if (spiel == 0) {
        close(auftraege[1]);
        close(meldungen[0]);
        Play(auftraege[0], meldungen[1]);
    }
    close(auftraege[0]);
    close(meldungen[1]);
    // However the test ends, the game hears no more orders and is gone.
    struct Ende {
        int auftraege, meldungen;
        pid_t spiel;
        ~Ende() {
            close(auftraege);
            kill(spiel, SIGKILL);
            waitpid(spiel, nullptr, 0);
            close(meldungen);
        }
    } ende{auftraege[1], meldungen[0], spiel};
    auto naechste = [&] {
        int zahl = kNotKilled;
        return read(meldungen[0], &zahl, sizeof zahl) == ssize_t(sizeof zahl) ? zahl : kNotKilled;
    };

    for (int runde = 0; runde < kRounds; ++runde) {
        WriteWholeFile(datei, Expected(-1));
        ASSERT_EQ(write(auftraege[1], "", 1), 1);
        const int kopie = naechste();
        ASSERT_GT(kopie, 0) << "the game did not start";
        // Somewhere within the first few dozen saves.
        std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution<int>(0, 30000)(zufall)));
        kill(kopie, SIGKILL);
        int fertig = -1, zahl;
        while ((zahl = naechste()) >= 0) fertig = zahl;
        ASSERT_EQ(zahl, kKilled) << "the saving copy ended by itself";
        saves += fertig + 1;

        const std::string inhalt = ReadWholeFile(datei);
        if (inhalt == Expected(fertig)) ++alte;
        else if (inhalt == Expected(fertig + 1)) ++neue;
        else ADD_FAILURE() << "round " << runde << " (seed " << seed << "): after save " << fertig << " the file holds "
                           << inhalt.size() << " bytes of neither table";
        // A save cut short leaves its unfinished file beside the table.
        reste += fs::exists(datei.parent_path() / ("hight.dat.neu" + std::to_string(kopie)));
    }
    // That the next save clears them once their games are gone is the table file's test.
    std::printf("%d kills after %d finished saves: %d left the table of the last finished save, "
                "%d the one being saved; %d kills left an unfinished file (seed %u)\n",
                kRounds, saves, alte, neue, reste, seed);
}
