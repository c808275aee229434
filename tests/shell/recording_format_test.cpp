#include <gtest/gtest.h>

#include "platform/portable/byte_order.h"
#include "shell/recording_samples.h"

using platform::le16;
using platform::putle;

namespace {

// Messages of steps without a frame belong to the frame after them: so compared, a recording reads back as written
// however the writer split its messages.
std::vector<Schritt> Merged(const std::vector<Schritt>& schritte) {
    std::vector<Schritt> aus;
    std::vector<Nachricht> offen;
    for (Schritt s : schritte) {
        offen.insert(offen.end(), s.nachrichten.begin(), s.nachrichten.end());
        if (!s.bild) continue;
        s.nachrichten = std::exchange(offen, {});
        aus.push_back(s);
    }
    return aus;
}

bool Same(const Schritt& a, const Schritt& b) {
    return a.nachrichten == b.nachrichten && a.tasten == b.tasten && a.sekunde == b.sekunde &&
           a.millisekunden == b.millisekunden && a.mitpruefsumme == b.mitpruefsumme && a.pruefsumme == b.pruefsumme;
}

Befund VerdictOf(const std::vector<std::uint8_t>& b) { return aufnahmepruefen(b.data(), b.size()).befund; }

// The checksum made to fit again, so that a check gets to the damage behind it.
std::vector<std::uint8_t> versiegelt(std::vector<std::uint8_t> b) {
    b.resize(b.size() - 4);
    putle(b, crc32(b.data(), b.size()), 4);
    return b;
}

}  // namespace

TEST(RecordingFormatTest, EveryStepReadsBackAsWrittenAndAPointerMoveCostsSevenBytes) {
    const std::uint8_t neun[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
    EXPECT_EQ(crc32(neun, 9), 0xCBF43926u);
    EXPECT_EQ(crc32(neun + 4, 5, crc32(neun, 4)), 0xCBF43926u);

    const SampleRecording a = MakeSampleRecording();
    ASSERT_EQ(VerdictOf(a.bytes), Befund::gut);
    Bandleser leser(a.bytes.data(), a.bytes.size());
    Aufnahmekopf kopf;
    ASSERT_EQ(leser.kopf(&kopf), Befund::gut);
    EXPECT_EQ(std::string(kopf.programmversion), "9.8.7");
    EXPECT_TRUE(kopf.startsekunde == 5000 && kopf.kalendersekunde == 1700000000 &&
                std::memcmp(kopf.tabelle, a.kopf.tabelle, sizeof kopf.tabelle) == 0);
    std::vector<Schritt> gelesen;
    for (Schritt s; leser.schritt(&s);) gelesen.push_back(s);
    ASSERT_EQ(leser.befund(), Befund::gut);
    const std::vector<Schritt> soll = Merged(a.schritte), ist = Merged(gelesen);
    ASSERT_EQ(ist.size(), soll.size());
    for (std::size_t i = 0; i < soll.size(); ++i) EXPECT_TRUE(Same(ist[i], soll[i])) << "frame " << i + 1;
    EXPECT_TRUE(leser.ende().nachrichten == a.ende.nachrichten && leser.ende().bilder == 4 && leser.ende().punkte == -42 &&
                std::memcmp(leser.ende().tabelle, a.ende.tabelle, sizeof a.ende.tabelle) == 0);

    // The usual frame of play: the pointer moved, nothing else changed.
    Bandschreiber schreiber;
    schreiber.kopf(a.kopf);
    schreiber.abgeben();
    schreiber.schritt({{{Nachricht::maus, 100, 100}}, true, 0, 5000, 17});
    EXPECT_EQ(schreiber.bytes.size(), 7u);
}

TEST(RecordingFormatTest, DamageOfEveryKindIsFoundAndToldApart) {
    const std::vector<std::uint8_t> gut = MakeSampleRecording().bytes;
    for (std::size_t n = 0; n < gut.size(); ++n)
        ASSERT_EQ(VerdictOf({gut.begin(), gut.begin() + std::ptrdiff_t(n)}), Befund::unvollstaendig) << "cut at " << n;
    // A bit wrong in any byte, a different bit from byte to byte.
    for (std::size_t i = 0; i < gut.size(); ++i) {
        std::vector<std::uint8_t> b = gut;
        b[i] ^= std::uint8_t(1 << i % 8);
        ASSERT_NE(VerdictOf(b), Befund::gut) << "byte " << i;
    }
    std::vector<std::uint8_t> laenger = gut;
    laenger.push_back(0);
    EXPECT_EQ(VerdictOf(laenger), Befund::beschaedigt);

    std::vector<std::uint8_t> fremd = gut;
    std::memcpy(fremd.data(), "GIF89a\0\0", 8);
    EXPECT_EQ(VerdictOf(fremd), Befund::keine);
    std::vector<std::uint8_t> neuer = gut;
    neuer[8] = 2;
    const Pruefung p = aufnahmepruefen(neuer.data(), neuer.size());
    EXPECT_TRUE(p.befund == Befund::version && p.format == 2u && p.stelle == 8u);
    std::vector<std::uint8_t> bit = gut;
    bit[100] ^= 0x40;  // in the table, where only the checksum can tell
    EXPECT_EQ(VerdictOf(bit), Befund::pruefsumme);

    // Values no writer makes, under a checksum that fits them: another picture size, a pointer off the picture, a
    // record of an unknown kind, and an end that counts another number of frames.
    const std::size_t hoehe = 8 + 2 + 16 + 2, erstesbild = hoehe + 2 + 16 + _highscore::kDateibytes;
    std::vector<std::uint8_t> groesse = gut;
    groesse[hoehe] = 0;
    std::vector<std::uint8_t> ausserhalb = gut;
    ausserhalb[erstesbild + 7 + 1] = 0x80;  // the second frame's x: 640
    ausserhalb[erstesbild + 7 + 2] = 0x02;
    std::vector<std::uint8_t> art = gut;
    art[erstesbild] |= 0x40;
    std::vector<std::uint8_t> zahl = gut;
    zahl[zahl.size() - 4 - _highscore::kDateibytes - 8] = 5;
    for (const auto& b : {groesse, ausserhalb, art, zahl}) EXPECT_EQ(VerdictOf(versiegelt(b)), Befund::beschaedigt);
    EXPECT_EQ(le16(&gut[erstesbild + 7 + 1]), 320);  // the places changed are the ones meant
}
