// The highscore table: seven kept results, the current player, the name-entry
// prompt and typed name, kept between runs in "hight.dat", and the fourteen
// texts that show them.
#pragma once
#include <cstddef>
#include <cstdint>

#include "platform/display_device.h"
#include "text/text.h"

class _highscore {
public:
    static constexpr int kTexte = 14;
    static constexpr int kZeilen = 15;
    static constexpr int kNamenlaenge = 30;
    static constexpr int kEintraege = 8;  // 0 to 6 kept, 7 the current player
    static constexpr int kSpieler = 7;
    static constexpr int kAufforderung = 8;
    static constexpr int kEingabe = 9;
    static constexpr int kTitel1 = 11;
    static constexpr int kTitel2 = 12;
    static constexpr int kLaengstername = 14;  // what the name entry lets a player type
    // The rows as "hight.dat" holds them, a name field and a score each.
    static constexpr int kDateibytes = kZeilen * (kNamenlaenge + 4);

    // 0 to 7 the table's rows, 8 the prompt, 9 the typed name, 11 and 12 the
    // title lines; 10 and 13 are never set up.
    _text texte[kTexte];
    // Rows as they lie in "hight.dat": names zero-terminated, with whatever the
    // field held after the terminator.
    char namen[kZeilen][kNamenlaenge] = {};
    // Wide enough for any score, though the table only has room for six digits.
    char punktetext[kZeilen][12] = {};
    std::int32_t tabellenpunkte[kZeilen] = {};
    // Place of entries 0 to 7 after auswerten: 7 the best, 0 the worst.
    std::int32_t rang[kEintraege] = {};
    // Set by init. A table never set up (start-up ended early) is not saved,
    // or it would replace the players' file with an empty one.
    bool eingerichtet = false;
    // A replayed game starts from the table it was recorded with: when set,
    // init takes these kDateibytes bytes in place of the file.
    const std::uint8_t* vorgabe = nullptr;

    // Loads the table, or sets up and saves the first-start one; sets up the texts.
    void init(platform::DirectDraw* dd, platform::Surface* primary, platform::Surface* back);
    // 0 = read, 1 = no file to read.
    std::uint8_t laden();
    // The rows from bytes as "hight.dat" holds them (without its doubled line
    // ends); fewer than kDateibytes fill what they reach.
    void uebernehmen(const std::uint8_t* daten, std::size_t n);
    // The rows as bytes, the other way round.
    void tabellenbytes(std::uint8_t (&daten)[kDateibytes]) const;
    // 0 = saved, 1 = not saved (the old file, if any, is left as it was).
    std::uint8_t schreiben();
    // The built-in table of F2, saved at once; the caller then runs auswerten.
    std::uint8_t zuruecksetzen();
    // Ranks entries 0 to 7, builds their texts, and lets the player's result
    // take the place of the worst entry.
    void auswerten();
    // Draws the best seven and the title lines.
    void zeigen();
    // One frame of the name entry; 1 when the name was confirmed (row 7 holds it).
    std::uint8_t nameneingabe();
    void freigeben();

    // The two built-in tables.
    void erststarttabelle();
    void ruecksetztabelle();
};

extern _highscore highscore;

// The name entry's keyboard: calls since the last poll, and the key taken last
// (kKeineTaste for none). Both last the whole run.
constexpr std::uint8_t kKeineTaste = 0xFF;
extern std::int32_t eingabezaehler;
extern std::uint8_t letztetaste;
