// A recording made in memory, with every kind of message and step, for the tests of its reading and writing.
#pragma once
#include <cstring>
#include <vector>

#include "shell/recording_format.h"

struct SampleRecording {
    Aufnahmekopf kopf;
    std::vector<Schritt> schritte;
    Aufnahmeende ende;
    std::vector<std::uint8_t> bytes;
};

// Four frames and a step of messages only; more messages between two frames than one record counts. Encoded with
// a hand-over to the file after each step, as a recording in progress is.
inline SampleRecording MakeSampleRecording() {
    using N = Nachricht;
    SampleRecording a;
    std::strcpy(a.kopf.programmversion, "9.8.7");
    a.kopf.startsekunde = 5000;
    a.kopf.kalendersekunde = 1700000000;
    for (int i = 0; i < _highscore::kDateibytes; ++i) a.kopf.tabelle[i] = std::uint8_t(i * 7);

    a.schritte.push_back({{}, true, 0, 5000, 17, true, 0xDEADBEEF});
    a.schritte.push_back({{{N::maus, 320, 240}}, true, 0, 5000, 17});
    a.schritte.push_back({{{N::maus, 10, 20}, {N::linksdrueckt, 639, 479}, {N::linkslos}, {N::rechtsdrueckt},
                           {N::rechtslos}, {N::reaktiviert, 0, 0, -3}},
                          true, std::uint64_t(1) | std::uint64_t(1) << (kTastenzahl - 1), 5012, 65535});
    Schritt nurnachrichten{{}, false};
    for (int i = 0; i < 300; i += 2) nurnachrichten.nachrichten.insert(nurnachrichten.nachrichten.end(), {{N::linksdrueckt, std::uint16_t(i), std::uint16_t(i)}, {N::linkslos}});
    a.schritte.push_back(nurnachrichten);
    Schritt viele{{}, true, 0, 5013, 17};
    for (int i = 0; i < 600; ++i) viele.nachrichten.push_back({i % 2 ? N::rechtslos : N::rechtsdrueckt});
    viele.nachrichten.push_back({N::maus, 0, 479});
    a.schritte.push_back(viele);

    a.ende.nachrichten = {{N::linkslos}, {N::maus, 1, 2}};
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
