// The name entry: the prompt, the name as typed so far with its cursor, and
// the keyboard polled on every fourth frame, which is all the key-repeat
// control there is.
#include <cstring>

#include "platform/keys.h"
#include "text/highscore_table.h"

using namespace platform;

std::int32_t eingabezaehler = 0;
std::uint8_t letztetaste = kKeineTaste;

namespace {

constexpr std::uint8_t kLoeschen = 64;  // Backspace; never asked for as a key

bool nochgedrueckt(std::uint8_t taste) { return taste != kKeineTaste && taste != kLoeschen && IsKeyDown(taste); }

}  // namespace

std::uint8_t _highscore::nameneingabe() {
    char(&name)[kNamenlaenge] = namen[kEingabe];
    _text& aufforderung = texte[kAufforderung];
    _text& eingabe = texte[kEingabe];

    aufforderung.schreiben(namen[kAufforderung], 5, 0);
    aufforderung.setposition(200, 100);
    aufforderung.zeichnen();
    eingabe.schreiben(name, 5, 2);
    eingabe.setposition(200, 130);
    eingabe.zeichnen();

    if (++eingabezaehler <= 3) return 0;
    eingabezaehler = 0;

    if (IsKeyDown(VK_RETURN)) {
        if (std::strlen(name) < 2) std::strcpy(name, "nobody");
        std::memcpy(namen[kSpieler], name, std::strlen(name) + 1);
        return 1;
    }

    for (int v = 'A'; v <= 'Z'; ++v) {
        // Space wins over Backspace, and Backspace over the letter.
        std::uint8_t taste = kKeineTaste;
        if (IsKeyDown(v)) taste = std::uint8_t(v);
        if (IsKeyDown(VK_BACK)) taste = kLoeschen;
        if (IsKeyDown(VK_SPACE)) taste = ' ';
        if (taste == kKeineTaste && !nochgedrueckt(letztetaste)) letztetaste = kKeineTaste;
        // A key that stays down is taken once.
        if (taste == letztetaste) taste = kKeineTaste;

        const std::size_t laenge = std::strlen(name);
        if (taste == kLoeschen) {
            letztetaste = kLoeschen;
            if (laenge > 0) name[laenge - 1] = 0;
            eingabe.loeschen();
            eingabe.schreiben(name, 5, 2);
        } else if (taste != kKeineTaste && laenge < kLaengstername) {
            letztetaste = taste;
            name[laenge] = char(taste);
            name[laenge + 1] = 0;
            eingabe.loeschen();
            eingabe.schreiben(name, 5, 2);
        }
    }

    eingabe.schreiben("/", std::int32_t(_text::kVorschub * std::strlen(name) + 5), 2);
    return 0;
}
