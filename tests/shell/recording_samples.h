// A recording made in memory, with every kind of message and step, for the tests of its reading and writing.
#pragma once
#include <cstring>
#include <vector>

#include "shell/recording_format.h"

struct Probeaufnahme {
    Aufnahmekopf kopf;
    std::vector<Schritt> schritte;
    Aufnahmeende ende;
    std::vector<std::uint8_t> bytes;
};

inline Nachricht probenachricht(Nachricht::Art art, int x = 0, int y = 0, std::int64_t sekunde = 0) {
    Nachricht m;
    m.art = art;
    m.x = std::uint16_t(x);
    m.y = std::uint16_t(y);
    m.sekunde = sekunde;
    return m;
}

inline Schritt probebild(std::vector<Nachricht> nachrichten, std::uint64_t tasten, std::int64_t sekunde) {
    Schritt s;
    s.nachrichten = std::move(nachrichten);
    s.tasten = tasten;
    s.sekunde = sekunde;
    s.millisekunden = 17;
    return s;
}

// Four frames and a step of messages only; more messages between two frames than one record counts. Encoded with
// a hand-over to the file after each step, as a recording in progress is.
inline Probeaufnahme probeaufnahme() {
    Probeaufnahme a;
    std::strcpy(a.kopf.programmversion, "9.8.7");
    a.kopf.startsekunde = 5000;
    a.kopf.kalendersekunde = 1700000000;
    for (int i = 0; i < _highscore::kDateibytes; ++i) a.kopf.tabelle[i] = std::uint8_t(i * 7);

    a.schritte.push_back(probebild({}, 0, 5000));
    a.schritte[0].mitpruefsumme = true;
    a.schritte[0].pruefsumme = 0xDEADBEEF;
    a.schritte.push_back(probebild({probenachricht(Nachricht::maus, 320, 240)}, 0, 5000));
    a.schritte.push_back(probebild({probenachricht(Nachricht::maus, 10, 20), probenachricht(Nachricht::linksdrueckt, 639, 479),
                                    probenachricht(Nachricht::linkslos), probenachricht(Nachricht::rechtsdrueckt),
                                    probenachricht(Nachricht::rechtslos), probenachricht(Nachricht::reaktiviert, 0, 0, -3)},
                                   std::uint64_t(1) | std::uint64_t(1) << (kTastenzahl - 1), 5012));
    a.schritte[2].millisekunden = 65535;
    Schritt nurnachrichten;
    nurnachrichten.bild = false;
    for (int i = 0; i < 300; i += 2) {
        nurnachrichten.nachrichten.push_back(probenachricht(Nachricht::linksdrueckt, i, i));
        nurnachrichten.nachrichten.push_back(probenachricht(Nachricht::linkslos));
    }
    a.schritte.push_back(nurnachrichten);
    std::vector<Nachricht> viele;
    for (int i = 0; i < 600; ++i) viele.push_back(probenachricht(i % 2 ? Nachricht::rechtslos : Nachricht::rechtsdrueckt));
    viele.push_back(probenachricht(Nachricht::maus, 0, 479));
    a.schritte.push_back(probebild(viele, 0, 5013));

    a.ende.nachrichten = {probenachricht(Nachricht::linkslos), probenachricht(Nachricht::maus, 1, 2)};
    a.ende.bilder = 4;
    a.ende.punkte = -42;
    for (int i = 0; i < _highscore::kDateibytes; ++i) a.ende.tabelle[i] = std::uint8_t(255 - i);

    Bandschreiber schreiber;
    schreiber.kopf(a.kopf);
    for (const Schritt& s : a.schritte) {
        schreiber.schritt(s);
        const std::vector<std::uint8_t> stueck = schreiber.abgeben();
        a.bytes.insert(a.bytes.end(), stueck.begin(), stueck.end());
    }
    schreiber.ende(a.ende);
    a.bytes.insert(a.bytes.end(), schreiber.bytes.begin(), schreiber.bytes.end());
    return a;
}
