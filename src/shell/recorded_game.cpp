#include "shell/recorded_game.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "base/fatal_report.h"
#include "game/game_flow.h"
#include "graphics/display.h"
#include "platform/clock.h"
#include "platform/frame_pacing.h"
#include "platform/keys.h"
#include "platform/saving.h"
#include "shell/main_loop.h"
#include "shell/recording_file.h"
#include "shell/recording_format.h"
#include "text/highscore_table.h"

#ifndef FERROW_VERSION
#define FERROW_VERSION "0"
#endif

using namespace platform;

namespace {

// A checksum of the picture on the first frame and every two seconds after:
// enough to tell where a replay went its own way, at a cost too small to see.
constexpr std::uint32_t kPruefabstand = 120;
// Recorded steps go to the file in pieces of about this size.
constexpr std::size_t kSchreibstueck = 64 * 1024;

Band g_band = Band::keins;
std::FILE* g_ausgabe = stdout;
std::FILE* g_fehler = stderr;
Aufnahmekopf g_kopf;
std::uint32_t g_bilder = 0;  // frames run so far

// --- The clock and the keys as the recording has them. The game reads the
// clock's second and the keys held from here, in a recorded game as in its
// replay; the ticks and the sleeps stay the clock's below.

const Clock* g_uhr = nullptr;
KeyStateSource g_tastenquelle = nullptr;
std::int64_t g_sekunde = 0;
std::int64_t g_kalenderabstand = 0;  // calendar less clock seconds
std::uint64_t g_tasten = 0;

const Clock kBanduhr = {
    [] { return g_uhr->ticks_ms(); },
    [] { return g_uhr->micros(); },
    [] { return g_sekunde; },
    [] { return g_sekunde + g_kalenderabstand; },
    [](std::uint64_t us) { g_uhr->sleep_micros(us); },
};

bool gehalten(int vk) {
    for (int i = 0; i < kTastenzahl; ++i)
        if (kAufnahmetasten[i] == vk) return (g_tasten >> i) & 1;
    return false;
}

// The keys as the source below answers now. They change only when the loop
// takes its events, so this is what the frame would have read.
std::uint64_t tastenlesen() {
    SetKeyStateSource(g_tastenquelle);
    std::uint64_t tasten = 0;
    for (int i = 0; i < kTastenzahl; ++i)
        if (IsKeyDown(kAufnahmetasten[i])) tasten |= std::uint64_t(1) << i;
    SetKeyStateSource(gehalten);
    return tasten;
}

bool bildpruefsumme(std::uint32_t* summe) {
    SurfaceDesc d;
    if (programmendet || !lpddsback || lpddsback->Lock(nullptr, &d) != DD_OK) return false;
    std::uint32_t c = 0;
    for (int y = 0; y < d.height; ++y) c = crc32(d.surface + std::size_t(y) * std::size_t(d.pitch), std::size_t(d.width), c);
    lpddsback->Unlock();
    *summe = c;
    return true;
}

// --- Recording

Aufnahmedatei g_datei;
Bandschreiber g_schreiber;
Schritt g_schritt;  // the frame being recorded, with the messages before it
std::uint32_t g_letzteticks = 0;

void aufnehmen(const Message& msg) {
    // Once the program ends, the window procedure acts on nothing more.
    const bool wirkt = !programmendet && !beendigunglaeuft;
    // Back with its surfaces lost, the game re-bases its clock on the second it comes back in.
    const bool reaktiviert = msg.message == WM_ACTIVATEAPP && msg.wparam && lpddsprimary &&
                             lpddsprimary->IsLost() == DDERR_SURFACELOST;
    if (reaktiviert) g_sekunde = g_uhr->monotonic_seconds();
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
            m.sekunde = g_sekunde;
            break;
        default: return;  // the end of the game is the end of the recording
    }
    g_schritt.nachrichten.push_back(m);
}

void aufnahmebild() {
    g_sekunde = g_uhr->monotonic_seconds();
    g_tasten = tastenlesen();
    const std::uint32_t ticks = std::uint32_t(g_uhr->ticks_ms());
    g_schritt.millisekunden = std::uint16_t(std::min<std::uint32_t>(ticks - g_letzteticks, 0xFFFF));
    g_letzteticks = ticks;
    g_schritt.sekunde = g_sekunde;
    g_schritt.tasten = g_tasten;
}

void aufnahmebildende() {
    g_schritt.mitpruefsumme = g_bilder % kPruefabstand == 1 && bildpruefsumme(&g_schritt.pruefsumme);
    g_schreiber.schritt(g_schritt);
    g_schritt.nachrichten.clear();
    if (g_schreiber.bytes.size() >= kSchreibstueck) g_datei.schreiben(g_schreiber.abgeben());
}

void aufnahmeende() {
    Aufnahmeende ende;
    ende.nachrichten = g_schritt.nachrichten;
    ende.bilder = g_bilder;
    ende.punkte = punkte;
    highscore.tabellenbytes(ende.tabelle);
    g_schreiber.ende(ende);
    g_datei.schreiben(g_schreiber.abgeben());
    g_datei.abschliessen(g_fehler);
}

// --- Replay

std::vector<std::uint8_t> g_aufnahme;
std::unique_ptr<Bandleser> g_leser;
Aufnahmeende g_ende;
Schritt g_naechster;             // the frame being replayed
bool g_durchgespielt = false;    // the end record has been reached
std::uint32_t g_abweichung = 0;  // the first frame whose picture differed
std::uint64_t g_millisekunden = 0;
std::vector<std::uint32_t> g_bildzeiten;  // a timedemo's, in microseconds
std::uint64_t g_messbeginn = 0, g_bildbeginn = 0, g_messende = 0;

// What the window procedure did with these messages when they were recorded.
void einspielen(const std::vector<Nachricht>& nachrichten) {
    for (const Nachricht& m : nachrichten) {
        if (programmendet || beendigunglaeuft) return;
        const std::intptr_t ort = MakeLParam(m.x, m.y);
        switch (m.art) {
            case Nachricht::maus: fensterproc(hauptfenster, WM_MOUSEMOVE, 0, ort); break;
            case Nachricht::linksdrueckt: fensterproc(hauptfenster, WM_LBUTTONDOWN, 0, ort); break;
            case Nachricht::linkslos: fensterproc(hauptfenster, WM_LBUTTONUP, 0, 0); break;
            case Nachricht::rechtsdrueckt: fensterproc(hauptfenster, WM_RBUTTONDOWN, 0, 0); break;
            case Nachricht::rechtslos: fensterproc(hauptfenster, WM_RBUTTONUP, 0, 0); break;
            case Nachricht::reaktiviert:
                // As the window procedure does on coming back with its surfaces lost.
                g_sekunde = m.sekunde;
                if (wiederherstellen()) uhrneustart();
                break;
            default: break;
        }
    }
}

bool wiedergabebild() {
    if (g_durchgespielt) return false;
    for (;;) {
        if (!g_leser->schritt(&g_naechster)) {
            // The end record: its messages, then the end the player chose.
            g_durchgespielt = true;
            einspielen(g_leser->ende().nachrichten);
            programmbeenden();
            return false;
        }
        einspielen(g_naechster.nachrichten);
        if (programmendet || beendigunglaeuft) return false;
        if (g_naechster.bild) break;
    }
    g_sekunde = g_naechster.sekunde;
    g_tasten = g_naechster.tasten;
    g_millisekunden += g_naechster.millisekunden;
    g_bildbeginn = Micros();
    if (g_bilder == 0) g_messbeginn = g_bildbeginn;
    return true;
}

void wiedergabebildende() {
    std::uint32_t summe = 0;
    if (g_naechster.mitpruefsumme && !g_abweichung && bildpruefsumme(&summe) && summe != g_naechster.pruefsumme) {
        g_abweichung = g_bilder;
        // Told at once, so that one watching knows from where on.
        std::fprintf(g_fehler, "ferrow: Die Wiedergabe weicht ab Bild %u von der Aufnahme ab%s.\n", g_bilder,
                     std::strncmp(g_kopf.programmversion, FERROW_VERSION, sizeof g_kopf.programmversion) != 0
                         ? " (sie stammt von einer anderen Programmversion)"
                         : " (andere Spieldaten?)");
    }
    g_messende = Micros();
    if (g_band == Band::zeitmessung) g_bildzeiten.push_back(std::uint32_t(g_messende - g_bildbeginn));
}

// A number as German writes it, with a decimal comma.
std::string dezimal(double wert, int stellen) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", stellen, wert);
    std::replace(text, text + std::strlen(text), '.', ',');
    return text;
}

void zeitmessungmelden() {
    std::vector<std::uint32_t> zeiten = g_bildzeiten;
    std::sort(zeiten.begin(), zeiten.end());
    auto anteil = [&](double q) {
        if (zeiten.empty()) return 0.0;
        const std::size_t i = std::size_t(q * double(zeiten.size()) + 0.999999);
        return zeiten[std::clamp<std::size_t>(i, 1, zeiten.size()) - 1] / 1000.0;
    };
    const double sekunden = double(g_messende - g_messbeginn) / 1e6;
    std::fprintf(g_ausgabe, "Zeitmessung: %u Bilder in %s s, %s Bilder/s; Bildzeit Median %s ms, 99 %% %s ms, längste %s ms\n",
                 g_bilder, dezimal(sekunden, 2).c_str(), dezimal(sekunden > 0 ? g_bilder / sekunden : 0, 0).c_str(),
                 dezimal(anteil(0.5), 2).c_str(), dezimal(anteil(0.99), 2).c_str(), dezimal(anteil(1.0), 2).c_str());
}

// True when the replay ended as its recording did.
bool wiedergabemelden() {
    bool gleich = g_abweichung == 0;
    if (g_band == Band::zeitmessung) zeitmessungmelden();
    else if (g_durchgespielt)
        std::fprintf(g_ausgabe, "Wiedergabe: %u Bilder in %s s (aufgenommen in %s s), %d Punkte\n", g_bilder,
                     dezimal(double(g_messende - g_messbeginn) / 1e6, 1).c_str(),
                     dezimal(double(g_millisekunden) / 1000, 1).c_str(), punkte);
    else
        std::fprintf(g_ausgabe, "Wiedergabe abgebrochen nach %u von %u Bildern\n", g_bilder, g_ende.bilder);
    if (!g_durchgespielt) return gleich;
    if (punkte != g_ende.punkte) {
        std::fprintf(g_fehler, "ferrow: Die Wiedergabe endet mit %d Punkten, die Aufnahme mit %d.\n", punkte,
                     g_ende.punkte);
        gleich = false;
    }
    std::uint8_t tabelle[_highscore::kDateibytes];
    highscore.tabellenbytes(tabelle);
    if (std::memcmp(tabelle, g_ende.tabelle, sizeof tabelle) != 0) {
        std::fputs("ferrow: Die Bestenliste der Wiedergabe ist nicht die der Aufnahme.\n", g_fehler);
        gleich = false;
    }
    return gleich;
}

}  // namespace

bool bandvorbereiten(Band art, const std::string& pfad, std::FILE* ausgabe, std::FILE* fehler) {
    g_band = Band::keins;
    g_ausgabe = ausgabe;
    g_fehler = fehler;
    g_datei.verwerfen();
    g_aufnahme.clear();
    highscore.vorgabe = nullptr;
    SetSavingAllowed(true);
    SetPaced(true);
    if (art == Band::aufnahme && !g_datei.oeffnen(pfad, fehler)) return false;
    if (art == Band::wiedergabe || art == Band::zeitmessung) {
        if (!aufnahmelesen(pfad, &g_aufnahme, fehler)) return false;
        // Read through once for its end, which tells the frame count ahead.
        Bandleser leser(g_aufnahme.data(), g_aufnahme.size());
        leser.kopf(&g_kopf);
        while (leser.schritt(&g_naechster)) continue;
        g_ende = leser.ende();
        SetSavingAllowed(false);
        SetPaced(art != Band::zeitmessung);
    }
    g_band = art;
    return true;
}

void bandbeginnen() {
    if (g_band == Band::keins) return;
    g_bilder = 0;
    g_uhr = &CurrentClock();
    g_tastenquelle = SetKeyStateSource(gehalten);
    SetClock(&kBanduhr);
    g_tasten = 0;
    if (g_band == Band::aufnahme) {
        g_kopf = Aufnahmekopf{};
        std::strncpy(g_kopf.programmversion, FERROW_VERSION, sizeof g_kopf.programmversion);
        g_kopf.startsekunde = g_uhr->monotonic_seconds();
        g_kopf.kalendersekunde = g_uhr->calendar_seconds();
        g_schreiber = Bandschreiber{};
        g_schritt = Schritt{};
        g_letzteticks = std::uint32_t(g_uhr->ticks_ms());
    } else {
        g_leser = std::make_unique<Bandleser>(g_aufnahme.data(), g_aufnahme.size());
        g_leser->kopf(&g_kopf);
        highscore.vorgabe = g_kopf.tabelle;
        g_durchgespielt = false;
        g_abweichung = 0;
        g_millisekunden = 0;
        g_bildzeiten.clear();
        g_bildzeiten.reserve(g_ende.bilder);
    }
    g_sekunde = g_kopf.startsekunde;
    g_kalenderabstand = g_kopf.kalendersekunde - g_kopf.startsekunde;
}

void bandgestartet() {
    if (g_band == Band::aufnahme) {
        // The table as the start-up left it, which the replay starts from.
        highscore.tabellenbytes(g_kopf.tabelle);
        g_schreiber.kopf(g_kopf);
    } else if (g_band != Band::keins) {
        // A replay runs whether or not its window has the focus.
        programmaktiv = 1;
    }
}

void nachrichtzustellen(const Message& msg) {
    switch (g_band) {
        case Band::keins: fensterproc(msg.window, msg.message, msg.wparam, msg.lparam); return;
        case Band::aufnahme: aufnehmen(msg); return;
        default:
            // The player's own input is not the game's; only its end passes.
            if (msg.message == WM_KEYDOWN || msg.message == WM_CLOSE)
                fensterproc(msg.window, msg.message, msg.wparam, msg.lparam);
            return;
    }
}

bool bildbeginnt() {
    if (g_band == Band::keins) return true;
    if (g_band == Band::aufnahme) {
        aufnahmebild();
        return true;
    }
    return wiedergabebild();
}

void bildendet() {
    if (g_band == Band::keins) return;
    ++g_bilder;
    if (g_band == Band::aufnahme) aufnahmebildende();
    else wiedergabebildende();
}

int bandbeenden(int status) {
    if (g_band == Band::keins) return status;
    SetClock(g_uhr);
    SetKeyStateSource(g_tastenquelle);
    if (g_band == Band::aufnahme) {
        aufnahmeende();
        return status;
    }
    highscore.vorgabe = nullptr;
    return wiedergabemelden() || status != 0 ? status : 3;
}
