#include "shell/recording_format.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

#include "platform/portable/byte_order.h"

using platform::le16;
using platform::le32;
using platform::putle;

namespace {

// The text-mode line end in the magic word shows a file that was copied as
// text, which would have damaged every other byte too.
constexpr std::uint8_t kMagie[8] = {'F', 'E', 'R', 'R', 'O', 'W', '\r', '\n'};

// The first byte of each record says what follows it.
constexpr std::uint8_t kMitNachrichten = 0x01;  // a count (1 to 255), then the messages
constexpr std::uint8_t kMaus = 0x02;            // the pointer's last move: x, y
constexpr std::uint8_t kTasten = 0x04;          // the keys held changed: 64 bits
constexpr std::uint8_t kSekunde = 0x08;         // the clock's second changed: 64 bits
constexpr std::uint8_t kPruefsumme = 0x10;      // the picture's checksum: 32 bits
constexpr std::uint8_t kOhneBild = 0x20;        // messages only, no frame after them
constexpr std::uint8_t kEnde = 0x80;            // the end record

constexpr std::size_t kHoechstensNachrichten = 255;

constexpr std::array<std::uint32_t, 256> crc_tafel() {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t c = i;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        t[i] = c;
    }
    return t;
}
constexpr std::array<std::uint32_t, 256> kCrcTafel = crc_tafel();

}  // namespace

std::uint32_t crc32(const std::uint8_t* daten, std::size_t n, std::uint32_t bisher) {
    std::uint32_t c = ~bisher;
    for (std::size_t i = 0; i < n; ++i) c = kCrcTafel[(c ^ daten[i]) & 0xFF] ^ (c >> 8);
    return ~c;
}

// --- Writing

void Bandschreiber::kopf(const Aufnahmekopf& k) {
    bytes.insert(bytes.end(), kMagie, kMagie + sizeof kMagie);
    putle(bytes, kAufnahmeformat, 2);
    bytes.insert(bytes.end(), k.programmversion, k.programmversion + sizeof k.programmversion);
    putle(bytes, k.breite, 2);
    putle(bytes, k.hoehe, 2);
    putle(bytes, std::uint64_t(k.startsekunde), 8);
    putle(bytes, std::uint64_t(k.kalendersekunde), 8);
    bytes.insert(bytes.end(), k.tabelle, k.tabelle + sizeof k.tabelle);
    tasten_ = 0;
    sekunde_ = k.startsekunde;
}

void Bandschreiber::liste(const Nachricht* von, std::size_t n) {
    bytes.push_back(std::uint8_t(n));
    for (const Nachricht* m = von; m != von + n; ++m) {
        bytes.push_back(m->art);
        if (m->art == Nachricht::maus || m->art == Nachricht::linksdrueckt) {
            putle(bytes, m->x, 2);
            putle(bytes, m->y, 2);
        } else if (m->art == Nachricht::reaktiviert) {
            putle(bytes, std::uint64_t(m->sekunde), 8);
        }
    }
}

// The record's first byte and its messages. A pointer move at the end, the
// usual case, takes no count and no kind; messages beyond what one record
// counts go ahead in records of their own.
void Bandschreiber::nachrichten(const std::vector<Nachricht>& alle, std::uint8_t kennung) {
    std::size_t n = alle.size();
    const bool maus = n > 0 && alle[n - 1].art == Nachricht::maus;
    if (maus) --n;
    std::size_t i = 0;
    for (; n - i > kHoechstensNachrichten; i += kHoechstensNachrichten) {
        bytes.push_back(kOhneBild | kMitNachrichten);
        liste(alle.data() + i, kHoechstensNachrichten);
    }
    if (n > i) kennung |= kMitNachrichten;
    if (maus) kennung |= kMaus;
    bytes.push_back(kennung);
    if (n > i) liste(alle.data() + i, n - i);
    if (maus) {
        putle(bytes, alle[n].x, 2);
        putle(bytes, alle[n].y, 2);
    }
}

void Bandschreiber::schritt(const Schritt& s) {
    if (!s.bild) {
        if (!s.nachrichten.empty()) nachrichten(s.nachrichten, kOhneBild);
        return;
    }
    std::uint8_t kennung = 0;
    if (s.tasten != tasten_) kennung |= kTasten;
    if (s.sekunde != sekunde_) kennung |= kSekunde;
    if (s.mitpruefsumme) kennung |= kPruefsumme;
    nachrichten(s.nachrichten, kennung);
    if (kennung & kTasten) putle(bytes, s.tasten, 8);
    if (kennung & kSekunde) putle(bytes, std::uint64_t(s.sekunde), 8);
    putle(bytes, s.millisekunden, 2);
    if (s.mitpruefsumme) putle(bytes, s.pruefsumme, 4);
    tasten_ = s.tasten;
    sekunde_ = s.sekunde;
}

void Bandschreiber::ende(const Aufnahmeende& e) {
    nachrichten(e.nachrichten, kEnde);
    putle(bytes, e.bilder, 4);
    putle(bytes, std::uint32_t(e.punkte), 4);
    bytes.insert(bytes.end(), e.tabelle, e.tabelle + sizeof e.tabelle);
    crc_ = crc32(bytes.data(), bytes.size(), crc_);
    putle(bytes, crc_, 4);
}

std::vector<std::uint8_t> Bandschreiber::abgeben() {
    crc_ = crc32(bytes.data(), bytes.size(), crc_);
    return std::exchange(bytes, {});
}

// --- Reading

bool Bandleser::fehler(Befund b) {
    if (befund_ == Befund::gut) befund_ = b;
    return false;
}

bool Bandleser::lesbar(std::size_t n) {
    if (befund_ != Befund::gut) return false;
    return std::size_t(e_ - p_) >= n || fehler(Befund::unvollstaendig);
}

std::uint64_t Bandleser::zahl(int bytes) {
    if (!lesbar(std::size_t(bytes))) return 0;
    std::uint64_t wert = 0;
    for (int b = 0; b < bytes; ++b) wert |= std::uint64_t(p_[b]) << (8 * b);
    p_ += bytes;
    return wert;
}

void Bandleser::feld(void* nach, std::size_t n) {
    if (!lesbar(n)) return;
    std::memcpy(nach, p_, n);
    p_ += n;
}

Befund Bandleser::kopf(Aufnahmekopf* k) {
    // A file cut within the magic word is a recording cut short.
    const std::size_t da = std::min(std::size_t(e_ - p_), sizeof kMagie);
    if (da > 0 && std::memcmp(p_, kMagie, da) != 0) fehler(Befund::keine);
    std::uint8_t magie[sizeof kMagie];
    feld(magie, sizeof magie);
    const std::uint64_t format = zahl(2);
    if (befund_ == Befund::gut && format != kAufnahmeformat) {
        p_ -= 2;
        fehler(Befund::version);
    }
    feld(k->programmversion, sizeof k->programmversion);
    k->breite = std::uint16_t(zahl(2));
    k->hoehe = std::uint16_t(zahl(2));
    k->startsekunde = std::int64_t(zahl(8));
    k->kalendersekunde = std::int64_t(zahl(8));
    feld(k->tabelle, sizeof k->tabelle);
    // The game draws one size of picture; positions are checked against it.
    if (befund_ == Befund::gut && (k->breite != 640 || k->hoehe != 480)) fehler(Befund::beschaedigt);
    sekunde_ = k->startsekunde;
    return befund_;
}

bool Bandleser::nachricht(std::vector<Nachricht>* liste) {
    Nachricht m;
    const std::uint64_t art = zahl(1);
    if (befund_ != Befund::gut) return false;
    if (art < Nachricht::maus || art >= Nachricht::kArten) return fehler(Befund::beschaedigt);
    m.art = Nachricht::Art(art);
    if (m.art == Nachricht::maus || m.art == Nachricht::linksdrueckt) {
        m.x = std::uint16_t(zahl(2));
        m.y = std::uint16_t(zahl(2));
        if (m.x >= 640 || m.y >= 480) return fehler(Befund::beschaedigt);
    } else if (m.art == Nachricht::reaktiviert) {
        m.sekunde = std::int64_t(zahl(8));
    }
    liste->push_back(m);
    return befund_ == Befund::gut;
}

bool Bandleser::schritt(Schritt* s) {
    const std::uint8_t kennung = std::uint8_t(zahl(1));
    if (befund_ != Befund::gut) return false;
    const bool ende = (kennung & kEnde) != 0;
    const bool ohnebild = (kennung & kOhneBild) != 0;
    const std::uint8_t erlaubt = ende ? kEnde | kMitNachrichten | kMaus
                                 : ohnebild ? kOhneBild | kMitNachrichten
                                            : kMitNachrichten | kMaus | kTasten | kSekunde | kPruefsumme;
    // Bits no writer sets, and records that say nothing, are damage.
    if ((kennung & ~erlaubt) || (ohnebild && !(kennung & kMitNachrichten))) return fehler(Befund::beschaedigt);

    std::vector<Nachricht>& liste = ende ? ende_.nachrichten : s->nachrichten;
    liste.clear();
    if (kennung & kMitNachrichten) {
        const std::uint64_t n = zahl(1);
        if (befund_ == Befund::gut && n == 0) return fehler(Befund::beschaedigt);
        for (std::uint64_t i = 0; i < n; ++i)
            if (!nachricht(&liste)) return false;
    }
    if (kennung & kMaus) {
        Nachricht m;
        m.x = std::uint16_t(zahl(2));
        m.y = std::uint16_t(zahl(2));
        if (befund_ == Befund::gut && (m.x >= 640 || m.y >= 480)) return fehler(Befund::beschaedigt);
        liste.push_back(m);
    }
    if (ende) {
        ende_.bilder = std::uint32_t(zahl(4));
        ende_.punkte = std::int32_t(std::uint32_t(zahl(4)));
        feld(ende_.tabelle, sizeof ende_.tabelle);
        return false;
    }

    s->bild = !ohnebild;
    if (kennung & kTasten) {
        tasten_ = zahl(8);
        if (tasten_ >> kTastenzahl) return fehler(Befund::beschaedigt);
    }
    if (kennung & kSekunde) sekunde_ = std::int64_t(zahl(8));
    s->tasten = tasten_;
    s->sekunde = sekunde_;
    s->millisekunden = ohnebild ? 0 : std::uint16_t(zahl(2));
    s->mitpruefsumme = (kennung & kPruefsumme) != 0;
    s->pruefsumme = s->mitpruefsumme ? std::uint32_t(zahl(4)) : 0;
    return befund_ == Befund::gut;
}

Pruefung aufnahmepruefen(const std::uint8_t* daten, std::size_t n) {
    if (n > kAufnahmehoechstgroesse) return {Befund::zugross, 0};
    Bandleser leser(daten, n);
    Aufnahmekopf kopf;
    Schritt s;
    std::uint32_t bilder = 0;
    if (leser.kopf(&kopf) == Befund::gut)
        while (leser.schritt(&s)) bilder += s.bild ? 1 : 0;
    Pruefung p{leser.befund(), leser.stelle()};
    if (p.befund == Befund::version) p.format = le16(daten + p.stelle);
    if (p.befund == Befund::gut) {
        if (n - p.stelle < 4) p.befund = Befund::unvollstaendig;
        else if (n - p.stelle > 4 || leser.ende().bilder != bilder) p.befund = Befund::beschaedigt;
        else if (crc32(daten, n - 4) != le32(daten + n - 4)) p.befund = Befund::pruefsumme;
    }
    // Cut short: where it ends is what tells.
    if (p.befund == Befund::unvollstaendig) p.stelle = n;
    return p;
}
