// Replaying a game: the recorded messages handed to the window procedure
// before each frame, the frame's second and keys given to the game, and the
// pictures, the score and the table compared with the recording's.
#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "base/fatal_report.h"
#include "game/game_flow.h"
#include "graphics/display.h"
#include "shell/main_loop.h"
#include "shell/recorded_game_internal.h"
#include "shell/recording_file.h"
#include "text/highscore_table.h"

using namespace platform;

namespace {

std::vector<std::uint8_t> g_aufnahme;
std::unique_ptr<Bandleser> g_leser;
Aufnahmeende g_ende;
Schritt g_schritt;               // the frame being replayed
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
                bandlage.sekunde = m.sekunde;
                if (wiederherstellen()) uhrneustart();
                break;
            default: break;
        }
    }
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
    // The time that share q of the frames took at most, in milliseconds.
    auto anteil = [&](double q) {
        if (zeiten.empty()) return 0.0;
        const std::size_t i = std::size_t(q * double(zeiten.size()) + 0.999999);
        return zeiten[std::clamp<std::size_t>(i, 1, zeiten.size()) - 1] / 1000.0;
    };
    const double sekunden = double(g_messende - g_messbeginn) / 1e6;
    std::fprintf(bandlage.ausgabe,
                 "Zeitmessung: %u Bilder in %s s, %s Bilder/s; Bildzeit Median %s ms, 99 %% %s ms, längste %s ms\n",
                 bandlage.bilder, dezimal(sekunden, 2).c_str(),
                 dezimal(sekunden > 0 ? bandlage.bilder / sekunden : 0, 0).c_str(), dezimal(anteil(0.5), 2).c_str(),
                 dezimal(anteil(0.99), 2).c_str(), dezimal(anteil(1.0), 2).c_str());
}

}  // namespace

bool wiedergabelesen(const std::string& pfad) {
    if (!aufnahmelesen(pfad, &g_aufnahme, bandlage.fehler)) return false;
    // Read through once for its end, which tells the frame count ahead.
    Bandleser leser(g_aufnahme.data(), g_aufnahme.size());
    leser.kopf(&bandlage.kopf);
    while (leser.schritt(&g_schritt)) continue;
    g_ende = leser.ende();
    return true;
}

void wiedergabebeginnen() {
    g_leser = std::make_unique<Bandleser>(g_aufnahme.data(), g_aufnahme.size());
    g_leser->kopf(&bandlage.kopf);
    highscore.vorgabe = bandlage.kopf.tabelle;
    g_durchgespielt = false;
    g_abweichung = 0;
    g_millisekunden = 0;
    g_bildzeiten.clear();
    g_bildzeiten.reserve(g_ende.bilder);
}

bool wiedergabebild() {
    if (g_durchgespielt) return false;
    for (;;) {
        if (!g_leser->schritt(&g_schritt)) {
            // The end record: its messages, then the end the player chose.
            g_durchgespielt = true;
            einspielen(g_leser->ende().nachrichten);
            programmbeenden();
            return false;
        }
        einspielen(g_schritt.nachrichten);
        if (programmendet || beendigunglaeuft) return false;
        if (g_schritt.bild) break;
    }
    bandlage.sekunde = g_schritt.sekunde;
    bandlage.tasten = g_schritt.tasten;
    g_millisekunden += g_schritt.millisekunden;
    g_bildbeginn = Micros();
    if (bandlage.bilder == 0) g_messbeginn = g_bildbeginn;
    return true;
}

void wiedergabebildende(bool zeitmessung) {
    std::uint32_t summe = 0;
    if (g_schritt.mitpruefsumme && !g_abweichung && bildpruefsumme(&summe) && summe != g_schritt.pruefsumme) {
        g_abweichung = bandlage.bilder;
        const bool andereversion =
            std::strncmp(bandlage.kopf.programmversion, FERROW_VERSION, sizeof bandlage.kopf.programmversion) != 0;
        // Told at once, so that one watching knows from where on.
        std::fprintf(bandlage.fehler, "ferrow: Die Wiedergabe weicht ab Bild %u von der Aufnahme ab (%s).\n",
                     g_abweichung, andereversion ? "sie stammt von einer anderen Programmversion" : "andere Spieldaten?");
    }
    g_messende = Micros();
    if (zeitmessung) g_bildzeiten.push_back(std::uint32_t(g_messende - g_bildbeginn));
}

bool wiedergabemelden(bool zeitmessung) {
    bool gleich = g_abweichung == 0;
    if (zeitmessung)
        zeitmessungmelden();
    else if (g_durchgespielt)
        std::fprintf(bandlage.ausgabe, "Wiedergabe: %u Bilder in %s s (aufgenommen in %s s), %d Punkte\n",
                     bandlage.bilder, dezimal(double(g_messende - g_messbeginn) / 1e6, 1).c_str(),
                     dezimal(double(g_millisekunden) / 1000, 1).c_str(), punkte);
    else
        std::fprintf(bandlage.ausgabe, "Wiedergabe abgebrochen nach %u von %u Bildern\n", bandlage.bilder, g_ende.bilder);
    if (!g_durchgespielt) return gleich;
    if (punkte != g_ende.punkte) {
        std::fprintf(bandlage.fehler, "ferrow: Die Wiedergabe endet mit %d Punkten, die Aufnahme mit %d.\n", punkte,
                     g_ende.punkte);
        gleich = false;
    }
    std::uint8_t tabelle[_highscore::kDateibytes];
    highscore.tabellenbytes(tabelle);
    if (std::memcmp(tabelle, g_ende.tabelle, sizeof tabelle) != 0) {
        std::fputs("ferrow: Die Bestenliste der Wiedergabe ist nicht die der Aufnahme.\n", bandlage.fehler);
        gleich = false;
    }
    return gleich;
}
