#include "text/highscore_table.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "graphics/picture_numbers.h"

using namespace platform;

_highscore highscore;

namespace {

struct Zeile {
    const char* name;
    std::int32_t punkte;
};

// Rows 0 to 7; the first start's table is deliberately unsorted.
constexpr Zeile kErststart[_highscore::kEintraege] = {
    {"Bernd", 312}, {"Oskar", 55}, {"Timo", 30}, {"Blitzbert", 31},
    {"Petra", 330}, {"Flinki", 10}, {"Rudi", 50}, {"", 9},
};
constexpr Zeile kRuecksetzen[_highscore::kEintraege] = {
    {"Quieki", 912},       {"Monika R", 855}, {"Petra L", 730}, {"Helmut B", 729},
    {"Udo looser F", 630}, {"Bernd T", 423},  {"Rudi M", 250},  {"Spieler", 210},
};

// A plain string copy: the bytes after the terminator keep what the field held
// before, and are saved with it.
void namesetzen(char (&feld)[_highscore::kNamenlaenge], const char* name) {
    const std::size_t laenge = std::min(std::strlen(name), sizeof feld - 1);
    std::memcpy(feld, name, laenge);
    feld[laenge] = 0;
}

void tabellesetzen(_highscore& h, const Zeile (&tabelle)[_highscore::kEintraege], const char* spieler) {
    for (int i = 0; i < _highscore::kEintraege; ++i) {
        namesetzen(h.namen[i], tabelle[i].name);
        h.tabellenpunkte[i] = tabelle[i].punkte;
    }
    namesetzen(h.namen[_highscore::kAufforderung], "Dein Name bitte:");
    namesetzen(h.namen[_highscore::kEingabe], spieler);
    for (int i : {10, 13, 14}) namesetzen(h.namen[i], "reserved");
    namesetzen(h.namen[_highscore::kTitel1], "");
    namesetzen(h.namen[_highscore::kTitel2], "");
}

}  // namespace

void _highscore::erststarttabelle() { tabellesetzen(*this, kErststart, "spieler"); }

void _highscore::ruecksetztabelle() { tabellesetzen(*this, kRuecksetzen, "Spieler"); }

void _highscore::init(DirectDraw* dd, Surface* primary, Surface* back) {
    eingerichtet = true;
    if (vorgabe) {
        uebernehmen(vorgabe, kDateibytes);
    } else if (laden() == 1) {
        erststarttabelle();
        schreiben();
    }
    // A text left without a surface has reported, and the report's shut-down
    // released the display that dd points to: no further text may use it.
    for (int i = 0; i <= 10; ++i) {
        texte[i].init(dd, primary, back, kBildSchrift);
        texte[i].surface = texte[i].erzeugesurface(texte[i].surface, 340, 21);
        if (!texte[i].surface) return;
        texte[i].setposition(0, 19 * i);
    }
    for (int i : {kTitel1, kTitel2}) {
        texte[i].init(dd, primary, back, kBildSchriftHervorgehoben);
        texte[i].surface = texte[i].erzeugesurface(texte[i].surface, 430, 21);
        if (!texte[i].surface) return;
        texte[i].setposition(0, 19 * i);
    }
    // The player's row and the typed name stand out in the second font.
    texte[kEingabe].setzeichensatz(kBildSchriftHervorgehoben);
    texte[kSpieler].setzeichensatz(kBildSchriftHervorgehoben);
    texte[kTitel1].setposition(170, 70);
    texte[kTitel2].setposition(135, 310);
    texte[kTitel1].schreiben(namen[kTitel1], 0, 0);
    texte[kTitel2].schreiben(namen[kTitel2], 0, 0);
}

std::uint8_t _highscore::zuruecksetzen() {
    texte[kEingabe].loeschen();
    ruecksetztabelle();
    return schreiben();
}

void _highscore::auswerten() {
    for (int i = 0; i < kEintraege; ++i) {
        rang[i] = 0;
        for (int j = 0; j < kEintraege; ++j)
            if (j != i && tabellenpunkte[i] >= tabellenpunkte[j]) ++rang[i];
    }
    // Of equal scores the earlier row ranks higher, so a player who only ties
    // an entry does not push it out.
    for (int i = 0; i < kEintraege; ++i)
        for (int k = 0; k < kEintraege; ++k)
            if (k != i && rang[i] == rang[k]) --rang[k];

    for (int i = 0; i < kEintraege; ++i) std::snprintf(punktetext[i], sizeof punktetext[i], "%d", tabellenpunkte[i]);
    for (int i = 0; i < kEintraege; ++i) {
        texte[i].loeschen();
        texte[i].schreiben(namen[i], 5, 2);
        texte[i].schreiben(punktetext[i], 240, 2);
        texte[i].setposition(180, 290 - 21 * rang[i]);
    }
    // The worst of the eight makes room for the player's result, so that it
    // stays once row 7 is reused; the texts above still show this game's table.
    for (int i = 0; i < kEintraege; ++i) {
        if (rang[i] != 0) continue;
        namesetzen(namen[i], namen[kEingabe]);
        tabellenpunkte[i] = tabellenpunkte[kSpieler];
    }
}

void _highscore::zeigen() {
    for (int i = 0; i < kEintraege; ++i)
        if (rang[i] != 0) texte[i].zeichnen();
    texte[kTitel1].zeichnen();
    texte[kTitel2].zeichnen();
}

void _highscore::freigeben() {
    for (_text& t : texte) t.freigeben();
}
