// Recording a game: each frame as one step of the recording, with the
// messages the window procedure acted upon before it.
#include <algorithm>
#include <cstring>

#include "base/fatal_report.h"
#include "graphics/display.h"
#include "layers/score.h"
#include "shell/main_loop.h"
#include "shell/recorded_game_internal.h"
#include "shell/recording_file.h"
#include "text/highscore_table.h"

using namespace platform;

namespace {

// A checksum of the picture on the first frame and every two seconds after:
// enough to tell where a replay went its own way, at a cost too small to see.
constexpr std::uint32_t kPruefabstand = 120;
// Recorded steps go to the file in pieces of about this size.
constexpr std::size_t kSchreibstueck = 64 * 1024;

Aufnahmedatei g_datei;
Bandschreiber g_schreiber;
Schritt g_schritt;  // the frame being recorded, with the messages before it
std::uint32_t g_letzteticks = 0;

}  // namespace

bool aufnahmeanlegen(const std::string& pfad) { return g_datei.oeffnen(pfad, bandlage.fehler); }
void aufnahmeverwerfen() { g_datei.verwerfen(); }

void aufnahmebeginnen() {
    Aufnahmekopf& kopf = bandlage.kopf = Aufnahmekopf{};
    std::strncpy(kopf.programmversion, FERROW_VERSION, sizeof kopf.programmversion);
    kopf.startsekunde = bandlage.uhr->monotonic_seconds();
    kopf.kalendersekunde = bandlage.uhr->calendar_seconds();
    g_schreiber = Bandschreiber{};
    g_schritt = Schritt{};
    g_letzteticks = std::uint32_t(bandlage.uhr->ticks_ms());
}

void aufnahmegestartet() {
    // The table as the start-up left it, which the replay starts from.
    highscore.tabellenbytes(bandlage.kopf.tabelle);
    g_schreiber.kopf(bandlage.kopf);
}

void aufnehmen(const Message& msg) {
    // Once the program ends, the window procedure acts on nothing more.
    const bool wirkt = !programmendet && !beendigunglaeuft;
    // Back with its surfaces lost, the game re-bases its clock on the second
    // it comes back in.
    const bool reaktiviert = msg.message == WM_ACTIVATEAPP && msg.wparam && lpddsprimary &&
                             lpddsprimary->IsLost() == DDERR_SURFACELOST;
    if (reaktiviert) bandlage.sekunde = bandlage.uhr->monotonic_seconds();
    fensterproc(msg.window, msg.message, msg.wparam, msg.lparam);
    if (!wirkt) return;

    Nachricht m;
    m.x = std::uint16_t(LoWord(msg.lparam));
    m.y = std::uint16_t(HiWord(msg.lparam));
    switch (msg.message) {
        case WM_MOUSEMOVE:
            // Of moves one after the other only the last one counts.
            if (!g_schritt.nachrichten.empty() && g_schritt.nachrichten.back().art == Nachricht::maus)
                g_schritt.nachrichten.pop_back();
            m.art = Nachricht::maus;
            break;
        case WM_LBUTTONDOWN: m.art = Nachricht::linksdrueckt; break;
        case WM_LBUTTONUP: m = {Nachricht::linkslos}; break;
        case WM_RBUTTONDOWN: m = {Nachricht::rechtsdrueckt}; break;
        case WM_RBUTTONUP: m = {Nachricht::rechtslos}; break;
        case WM_ACTIVATEAPP:
            // A restore that failed has ended the program instead.
            if (!reaktiviert || programmendet) return;
            m = {Nachricht::reaktiviert};
            m.sekunde = bandlage.sekunde;
            break;
        default: return;  // the end of the game is the end of the recording
    }
    g_schritt.nachrichten.push_back(m);
}

void aufnahmebild() {
    bandlage.sekunde = bandlage.uhr->monotonic_seconds();
    bandlage.tasten = tastenlesen();
    const std::uint32_t ticks = std::uint32_t(bandlage.uhr->ticks_ms());
    g_schritt.millisekunden = std::uint16_t(std::min<std::uint32_t>(ticks - g_letzteticks, 0xFFFF));
    g_letzteticks = ticks;
    g_schritt.sekunde = bandlage.sekunde;
    g_schritt.tasten = bandlage.tasten;
}

void aufnahmebildende() {
    g_schritt.mitpruefsumme = bandlage.bilder % kPruefabstand == 1 && bildpruefsumme(&g_schritt.pruefsumme);
    g_schreiber.schritt(g_schritt);
    g_schritt.nachrichten.clear();
    if (g_schreiber.bytes.size() >= kSchreibstueck) g_datei.schreiben(g_schreiber.abgeben());
}

void aufnahmeabschliessen() {
    Aufnahmeende ende;
    ende.nachrichten = g_schritt.nachrichten;
    ende.bilder = bandlage.bilder;
    ende.punkte = punkte;
    highscore.tabellenbytes(ende.tabelle);
    g_schreiber.ende(ende);
    g_datei.schreiben(g_schreiber.abgeben());
    g_datei.abschliessen(bandlage.fehler);
}
