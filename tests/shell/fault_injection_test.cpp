// One scripted session of the whole game, run again with each counted fallible call failing in turn, each in a process
// of its own: every run ends with the report for that call (or carries on where the game only writes a debug line),
// without crash, hang or sanitizer report, "hight.dat" whole.
#include <signal.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>

#include "platform/testing/fault_injection.h"
#include "platform/testing/test_hooks.h"
#include "shell/run_folder.h"
#include "text/text_fixture.h"
#include "support/scripted_session.h"
#include "support/shell_fixture.h"
#include "text/highscore_table.h"

#ifndef FERROW_FAULT_RUNS
#define FERROW_FAULT_RUNS 150
#endif

using namespace platform;

namespace {

// --- The session.

bool escape_erreicht = false;

// Start-up (in the table, the last player was "AL"), the name ZOE, the countdown, a second of play with eight shots and
// a reload, game over, Escape.
void WriteScript() {
    EnterZoeAndWaitOutTheCountdown(2);
    for (int n = 0; n < 8; ++n) {
        Send(WM_LBUTTONDOWN, 0, MakeLParam(80 * n + 40, 150 + 20 * n));
        Send(WM_LBUTTONUP);
        Frames(6);
    }
    Send(WM_RBUTTONDOWN);
    Send(WM_RBUTTONUP);
    Frames(10);
    Frames(1, {}, 91000000);
    Frames(5);
    Send(WM_KEYDOWN, VK_ESCAPE);
}

bool Next(Message* msg) {
    if (!ScriptedMessage(msg)) return false;
    if (msg->message == WM_KEYDOWN && !programmendet) escape_erreicht = true;
    return true;
}
bool Wait(Message* msg) {
    while (!Next(msg)) continue;
    return true;
}
const MessageSource kScript = {Next, Wait};

// The table in place before every run: seven players, and "AL" last.
std::string AlteTabelle() {
    std::vector<std::pair<std::string, std::uint32_t>> zeilen(15);
    for (unsigned z = 0; z < 7; ++z) zeilen[z] = {std::string("Spieler") + char('A' + z), 700 - 100 * z};
    zeilen[_highscore::kEingabe].first = "AL";
    return HighscoreFileBytes(zeilen);
}

// --- One run, in a child process.

std::string aufrufe;  // one letter per counted call, 'A' + its kind

// The call failed (0: none), the run's folder, the table written as "hight.dat" first (none when empty).
struct GameRun { unsigned long k; fs::path ordner; std::string tabelle; bool aufzeichnen; };

// Enters the run's folder, plays the session, records the outcome, exits with its status.
[[noreturn]] void Kind(const GameRun& lauf) {
    EnterRunFolder(lauf.ordner, lauf.tabelle);
    WriteScript();
    SetMessageSource(&kScript);
    SetWindowedStart(false);
    if (lauf.aufzeichnen) SetCallRecorder([](Operation op) { aufrufe += char('A' + int(op)); });
    FailCall(lauf.k);
    const int status = WinMain();

    std::ofstream aus(lauf.ordner / "ergebnis", std::ios::binary);
    aus << status << " " << CallsCounted() << " " << escape_erreicht << " " << int(FailedOperation()) << "\n"
        << aufrufe << "\n";
    for (const auto& b : fakes::boxes) aus << "b " << b.text << "|" << b.caption << "\n";
    for (const auto& d : fakes::debug_lines)
        if (d.rfind("Fehler bei DirectDrawInit->", 0) == 0) aus << "s " << d << "\n";
    aus.close();
    std::exit(status);
}

struct Result {
    unsigned long k = 0, calls = 0;
    int status = -1, failed = -1;
    bool escape = false;
    std::string fehler, ops, tabelle;  // fehler empty when the run was as it should be
    std::vector<std::string> boxes, steps;
};

Result Evaluate(const GameRun& lauf, int wstatus) {
    Result e;
    e.k = lauf.k;
    const std::string err = ReadWholeFile(lauf.ordner / "stderr");
    if (WIFSIGNALED(wstatus) && WTERMSIG(wstatus) == SIGALRM) e.fehler = "hung";
    else if (WIFSIGNALED(wstatus)) e.fehler = "crashed with signal " + std::to_string(WTERMSIG(wstatus));
    if (err.find("Sanitizer") != std::string::npos || err.find("runtime error") != std::string::npos)
        e.fehler += " sanitizer report:\n" + err.substr(0, 4000);
    std::istringstream in(ReadWholeFile(lauf.ordner / "ergebnis"));
    const bool gelesen = in >> e.status >> e.calls >> e.escape >> e.failed && std::getline(in.ignore(), e.ops);
    for (std::string z; std::getline(in, z);) (z[0] == 'b' ? e.boxes : e.steps).push_back(z.substr(2));
    if (e.fehler.empty() && !gelesen) e.fehler = "no result written";
    if (e.fehler.empty() && WIFEXITED(wstatus) && WEXITSTATUS(wstatus) != e.status)
        e.fehler = "exit status " + std::to_string(WEXITSTATUS(wstatus)) + " after the game's " + std::to_string(e.status);
    e.tabelle = ReadWholeFile(lauf.ordner / "data" / "set0" / "hight.dat");
    return e;
}

// Runs the given k, two at a time; a child still running after a minute is ended by its alarm.
std::vector<Result> RunGame(const std::vector<GameRun>& laeufe) {
    std::map<pid_t, const GameRun*> laufend;
    std::vector<Result> ergebnisse;
    std::fflush(nullptr);
    for (std::size_t naechster = 0; naechster < laeufe.size() || !laufend.empty();) {
        while (naechster < laeufe.size() && laufend.size() < 2) {
            const GameRun& l = laeufe[naechster++];
            fs::remove_all(l.ordner);
            fs::create_directories(l.ordner);
            const pid_t pid = fork();
            if (pid == 0) {
                alarm(60);
                Kind(l);
            }
            laufend[pid] = &l;
        }
        int wstatus = 0;
        const pid_t fertig = waitpid(-1, &wstatus, 0);
        const GameRun& l = *laufend.at(fertig);
        ergebnisse.push_back(Evaluate(l, wstatus));
        laufend.erase(fertig);
        fs::remove_all(l.ordner);
    }
    return ergebnisse;
}

// --- What each failed call must lead to.

std::string Box(const std::string& text) { return text + "|Fehlermeldung "; }
const std::string kId00 = Box("Fehler bei DirectDrawInit (id:00)");

// A failed step of the display set-up: its debug line, then the one report.
bool InSetUp(const Result& e, const std::string& schritt) {
    return e.boxes == fakes::Lines{kId00} && e.steps == fakes::Lines{"Fehler bei DirectDrawInit->" + schritt};
}

bool OneOf(const Result& e, std::initializer_list<const char*> texte) {
    if (e.boxes.size() != 1) return false;
    for (const char* t : texte)
        if (e.boxes[0] == Box(t)) return true;
    return false;
}

bool Fits(Operation op, const Result& e) {
    const bool keiner = e.boxes.empty();
    switch (op) {
        case Operation::StartVideo:
        case Operation::DisplayCreate: return InSetUp(e, "DirectDrawCreate");
        case Operation::CreateWindow:
        case Operation::EnterFullscreen:
        case Operation::DisplayMode: return InSetUp(e, "SetDisplayMode");
        case Operation::DisplayCooperativeLevel: return InSetUp(e, "SetCooperativeLevel");
        case Operation::PrimarySurface: return InSetUp(e, "CreatePrimarySurface");
        case Operation::BackBuffer: return InSetUp(e, "CreateBackPuffer");
        case Operation::CreatePalette:
            return e.boxes == fakes::Lines{Box("Palette konnte nicht geladen werden"), kId00};
        case Operation::OffscreenSurface:  // the back buffer is one too, made with the primary
            return InSetUp(e, "CreateBackPuffer") ||
                   OneOf(e, {"DD konnte Surface nicht erzeugen ", "Konnte Surface nicht erzeugen->Class Text "});
        case Operation::Flip: return OneOf(e, {"Fehler bei Seitenumschaltung, Programm wird beendet!"});
        case Operation::Blt:  // a text's letter reports twice: the letter, then the text
            return OneOf(e, {"_layerdaten::zeichen-ddrval!=DD_OK", "_text::zeichen-ddrval!=DD_OK"}) ||
                   e.boxes == fakes::Lines{Box("_text::schreiben->BltFast liefert nicht DD_OK"),
                                           Box("_text::zeichen-ddrval!=DD_OK")};
        case Operation::SurfaceLock:
            return OneOf(e, {"_grafikdatenbank::loadgrafikdaten-Lock liefert falschen Wert",
                                "_layerdaten::mask-surface->Lock-Surface konnte nicht gesperrt werden",
                                "_text::surface-Lock liefert falschen Wert"});
        case Operation::SurfaceRestore: return keiner || OneOf(e, {"fehler bei Restore"});
        case Operation::SoundCreate:
        case Operation::SoundCooperativeLevel: return OneOf(e, {"Fehler bei DirectSoundInit (id:01)"});
        case Operation::FileOpen:
        case Operation::FileRead:  // a picture file; else a sound or the table, which the game goes on without
            return keiner || (e.boxes.size() == 1 && e.boxes[0].rfind("Konnte Bild nicht laden : ", 0) == 0);
        case Operation::Allocation:  // a sound's format block is the one the game goes on without
            return keiner || OneOf(e, {"Fehler in Modul grafikdaten::setgrafikdaten",
                                          "_layerdatenbank::Setlayerdaten->kein Speicher",
                                          "_layerdaten::addereigniss-fuer ein Ereigniss ist kein Speicher frei"});
        default: return keiner;  // fill, colour key, sound buffers, writing the table
    }
}

// Empty when the reports fit the call that failed.
std::string Berichte(Operation op, const Result& e) {
    if (!Fits(op, e)) {
        std::string t = "reports for a failed " + std::string(OperationName(op)) + ":";
        for (const auto& b : e.boxes) t += " [" + b + "]";
        for (const auto& s : e.steps) t += " step [" + s + "]";
        return t;
    }
    if (!e.boxes.empty() && e.status != 1) return "exit status " + std::to_string(e.status) + " after a report";
    if (e.boxes.empty() && (e.status != 0 || !e.escape)) return "did not carry on to the Escape";
    return "";
}

// Of each kind of call all, or `je` spread evenly from its first to its last.
std::vector<unsigned long> Auswahl(const std::string& ops, std::size_t je) {
    std::map<char, std::vector<unsigned long>> nach_art;
    for (std::size_t i = 0; i < ops.size(); ++i) nach_art[ops[i]].push_back(i + 1);
    std::vector<unsigned long> ks;
    for (const auto& [art, alle] : nach_art) {
        if (alle.size() <= je) ks.insert(ks.end(), alle.begin(), alle.end());
        else for (std::size_t i = 0; i < je; ++i) ks.push_back(alle[i * (alle.size() - 1) / (je - 1)]);
    }
    std::sort(ks.begin(), ks.end());
    return ks;
}

}  // namespace

using FaultInjectionTest = ShellTest;

TEST_F(FaultInjectionTest, EveryCountedCallFailingEndsWithItsReportOrCarriesOn) {
    const fs::path wurzel = fs::path(::testing::TempDir()) / ("ferrow-faults-" + std::to_string(getpid()));
    const std::string alt = AlteTabelle();
    const auto anfang = std::chrono::steady_clock::now();

    // The session without a failure: the calls it makes, and the new table. Two more give the tables the game writes
    // when it could not read the old one: not opened (the first-start table) or read as empty.
    std::vector<Result> vor = RunGame({{0, wurzel / "vor0", alt, true}, {0, wurzel / "vor1", "", false},
                                        {0, wurzel / "vor2", std::string(1, '\0'), false}});
    std::sort(vor.begin(), vor.end(), [](const Result& a, const Result& b) { return a.ops.size() > b.ops.size(); });
    const Result& ohne = vor[0];
    ASSERT_EQ(std::tuple(ohne.fehler, ohne.status, ohne.escape, ohne.boxes.size()), std::tuple("", 0, true, 0u));
    ASSERT_NE(ohne.tabelle, alt) << "the session should save a new table";
    const unsigned long n = ohne.calls;
    ASSERT_EQ(ohne.ops.size(), n);
    const std::set<std::string> ungelesen = {vor[1].tabelle, vor[2].tabelle};

    // Each kind of call as often as the budget allows; FERROW_FAULT_RUNS sets
    // another budget (the number of calls, n, runs them all).
    const char* wunsch = std::getenv("FERROW_FAULT_RUNS");
    const std::size_t budget = wunsch ? std::strtoul(wunsch, nullptr, 10) : FERROW_FAULT_RUNS;
    std::size_t je = n;
    while (je > 2 && Auswahl(ohne.ops, je).size() > budget) je = je * 9 / 10;
    const std::vector<unsigned long> ks = Auswahl(ohne.ops, je);
    std::vector<GameRun> laeufe;
    for (unsigned long k : ks) laeufe.push_back({k, wurzel / ("k" + std::to_string(k)), alt, false});
    const std::vector<Result> ergebnisse = RunGame(laeufe);
    fs::remove_all(wurzel);

    int fehlschlaege = 0;
    for (const Result& e : ergebnisse) {
        const Operation op = Operation(ohne.ops[e.k - 1] - 'A');
        std::string fehler = e.fehler;
        if (fehler.empty() && e.failed != int(op))
            fehler = "call was " + std::string(OperationName(Operation(e.failed))) + ", not " + OperationName(op);
        if (fehler.empty()) fehler = Berichte(op, e);
        // The table as it was, or as this session saves it; a table that could
        // not be read at the start is replaced by what the game makes instead.
        const bool lesefehler = (op == Operation::FileOpen || op == Operation::FileRead) && ungelesen.count(e.tabelle);
        if (fehler.empty() && e.tabelle != alt && e.tabelle != ohne.tabelle && !lesefehler)
            fehler = "hight.dat is neither the old nor the new table";
        if (!fehler.empty() && ++fehlschlaege <= 40)
            ADD_FAILURE() << "k=" << e.k << " (" << OperationName(op) << "): " << fehler;
    }
    EXPECT_EQ(fehlschlaege, 0);

    std::printf("N = %lu counted calls; %zu runs (every call of a kind, or %zu of it spread evenly), %.1f s\nk run:", n,
                ks.size(), je, std::chrono::duration<double>(std::chrono::steady_clock::now() - anfang).count());
    for (unsigned long k : ks) std::printf(" %lu %s", k, OperationName(Operation(ohne.ops[k - 1] - 'A')));
    std::printf("\n");
}
