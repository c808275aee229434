// A recorded game as bytes: a header (the magic word, the format's and the
// program's version, the picture's size, the clock and the calendar at the
// start, the highscore table the game started with), then one step per
// frame, then an end record with a checksum of everything before it. Every
// number is little-endian and of a fixed size, so that a recording made on
// one system plays on any other.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/keys.h"
#include "text/highscore_table.h"

constexpr std::uint16_t kAufnahmeformat = 1;
// Larger files are refused unread: at the 40 bytes a busy frame may take,
// this is hours of play.
constexpr std::size_t kAufnahmehoechstgroesse = std::size_t(64) << 20;

// The keys a frame may ask about, in the order of their bits.
constexpr int kAufnahmetasten[] = {
    platform::VK_F1, platform::VK_F2, platform::VK_SPACE, platform::VK_LEFT, platform::VK_UP, platform::VK_RIGHT,
    platform::VK_DOWN, platform::VK_RETURN, platform::VK_BACK,
    'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K', 'L', 'M',
    'N', 'O', 'P', 'Q', 'R', 'S', 'T', 'U', 'V', 'W', 'X', 'Y', 'Z',
};
constexpr int kTastenzahl = int(sizeof kAufnahmetasten / sizeof kAufnahmetasten[0]);

struct Aufnahmekopf {
    char programmversion[16] = {};  // zero-padded
    std::uint16_t breite = 640, hoehe = 480;
    std::int64_t startsekunde = 0;     // the game clock's second at the start
    std::int64_t kalendersekunde = 0;  // the calendar's, which seeds the random numbers
    std::uint8_t tabelle[_highscore::kDateibytes] = {};
};

// A message the window procedure acted upon between two frames.
struct Nachricht {
    enum Art : std::uint8_t { maus = 1, linksdrueckt, linkslos, rechtsdrueckt, rechtslos, reaktiviert, kArten };
    Art art = maus;
    std::uint16_t x = 0, y = 0;  // maus: the pointer; linksdrueckt: the click
    std::int64_t sekunde = 0;    // reaktiviert: the clock's second the game clock was re-based on
    bool operator==(const Nachricht& o) const { return art == o.art && x == o.x && y == o.y && sekunde == o.sekunde; }
};

// The messages since the frame before, then, unless there are only
// messages, the frame with the keys it found held and the clock's second.
struct Schritt {
    std::vector<Nachricht> nachrichten;
    bool bild = true;
    std::uint64_t tasten = 0;  // one bit per key of kAufnahmetasten
    std::int64_t sekunde = 0;
    std::uint16_t millisekunden = 0;  // tick count since the frame before, at most 65535
    bool mitpruefsumme = false;
    std::uint32_t pruefsumme = 0;  // of the picture the frame drew
};

struct Aufnahmeende {
    std::vector<Nachricht> nachrichten;  // after the last frame
    std::uint32_t bilder = 0;
    std::int32_t punkte = 0;
    std::uint8_t tabelle[_highscore::kDateibytes] = {};
};

// CRC-32 (the one of zip and PNG), carried on from `bisher` for data that
// comes in pieces.
std::uint32_t crc32(const std::uint8_t* daten, std::size_t n, std::uint32_t bisher = 0);

// Encodes a recording into `bytes`. The owner may hand written bytes on to
// a file (abgeben) at any time between two calls.
class Bandschreiber {
public:
    std::vector<std::uint8_t> bytes;

    void kopf(const Aufnahmekopf& k);
    void schritt(const Schritt& s);
    void ende(const Aufnahmeende& e);
    // What has been encoded so far, taken out of `bytes`.
    std::vector<std::uint8_t> abgeben();

private:
    void nachrichten(const std::vector<Nachricht>& liste, std::uint8_t kennung);
    void liste(const Nachricht* von, std::size_t n);

    std::uint32_t crc_ = 0;  // of the bytes handed on
    std::uint64_t tasten_ = 0;
    std::int64_t sekunde_ = 0;
};

// What a check found: a usable recording; no recording at all; one of
// another format; one cut short; one whose bytes make no sense, or whose
// checksum does not fit them; one too large to be read.
enum class Befund { gut, keine, version, unvollstaendig, beschaedigt, pruefsumme, zugross };

// Decodes a recording held in memory, which must outlive it. After kopf,
// schritt gives one step after the other until the end record.
class Bandleser {
public:
    Bandleser(const std::uint8_t* daten, std::size_t n) : anfang_(daten), p_(daten), e_(daten + n) {}

    Befund kopf(Aufnahmekopf* k);
    // False at the end record (then `ende` holds it) or at a fault (befund).
    bool schritt(Schritt* s);
    const Aufnahmeende& ende() const { return ende_; }
    Befund befund() const { return befund_; }
    // Where the fault was found, in bytes from the start.
    std::size_t stelle() const { return std::size_t(p_ - anfang_); }

private:
    bool lesbar(std::size_t n);
    bool fehler(Befund b);
    std::uint64_t zahl(int bytes);
    void feld(void* nach, std::size_t n);
    bool nachricht(std::vector<Nachricht>* liste);

    const std::uint8_t* anfang_;
    const std::uint8_t* p_;
    const std::uint8_t* e_;
    Befund befund_ = Befund::gut;
    std::uint64_t tasten_ = 0;
    std::int64_t sekunde_ = 0;
    Aufnahmeende ende_;
};

// The whole recording checked: its structure, every value, the frame count
// and the checksum. `stelle` tells where in the bytes a fault was found;
// `format` is the version of a file of another format.
struct Pruefung {
    Befund befund = Befund::gut;
    std::size_t stelle = 0;
    unsigned format = kAufnahmeformat;
};
Pruefung aufnahmepruefen(const std::uint8_t* daten, std::size_t n);
