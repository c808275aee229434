// "hight.dat": the 15 rows of the table, each a 30-byte name field and a
// little-endian 32-bit score, stored the way a Windows text stream stores
// them (every 0x0A as 0x0D 0x0A); the byte format is fixed.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "base/data_paths.h"
#include "platform/debug_output.h"
#include "platform/files.h"
#include "platform/processes.h"
#include "platform/saving.h"
#include "text/highscore_table.h"

using namespace platform;

namespace {

constexpr char kDateiname[] = "hight.dat";
constexpr int kZeilenbytes = _highscore::kNamenlaenge + 4;
constexpr int kDatenbytes = _highscore::kDateibytes;  // 510

std::string dateipfad() { return ResolveFileName(highscoreordner() + kDateiname); }

std::FILE* zumlesen() {
    const std::string ordner = highscoreordner();
    if (std::FILE* datei = OpenFile(ResolveFileName(ordner + kDateiname), "rb")) return datei;
    // A player without a file of their own starts from the table that came
    // with the game's data.
    if (!ordner.empty()) return OpenFile(ResolveFileName(kDateiname), "rb");
    return nullptr;
}

// Undoes the text stream: each 0x0D 0x0A back to 0x0A; a lone 0x0D stays.
std::size_t zurueckuebersetzen(const unsigned char* roh, std::size_t rohlaenge, unsigned char* daten) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < rohlaenge && n < kDatenbytes; ++i) {
        if (roh[i] == 0x0D && i + 1 < rohlaenge && roh[i + 1] == 0x0A) ++i;
        daten[n++] = roh[i];
    }
    return n;
}

bool allesgeschrieben(std::FILE* datei, const unsigned char* bytes, std::size_t laenge) {
    return WriteFile(bytes, laenge, datei) == laenge && FlushToDisk(datei);
}

// A game killed while it saved left its unfinished file behind; the file of a
// game still running is its own business.
void resteentfernen(const std::string& ziel) {
    const std::filesystem::path pfad = std::filesystem::u8path(ziel);
    const std::string anfang = pfad.filename().u8string() + ".neu";
    std::error_code ec;
    const std::filesystem::path ordner = pfad.has_parent_path() ? pfad.parent_path() : ".";
    for (const auto& eintrag : std::filesystem::directory_iterator(ordner, ec)) {
        const std::string name = eintrag.path().filename().u8string();
        if (name.compare(0, anfang.size(), anfang) != 0) continue;
        char* ende = nullptr;
        const long pid = std::strtol(name.c_str() + anfang.size(), &ende, 10);
        if (pid <= 0 || *ende != 0) continue;
        if (!ProcessRunning(pid)) std::filesystem::remove(eintrag.path(), ec);
    }
}

}  // namespace

std::uint8_t _highscore::laden() {
    std::FILE* datei = zumlesen();
    if (!datei) {
        OutputDebugString("-laden: datei konnte nicht geöffnet werden");
        return 1;
    }
    // Each data byte takes at most two bytes in the file, plus one to see
    // whether a last 0x0D is followed by 0x0A.
    unsigned char roh[2 * kDatenbytes + 1];
    const std::size_t rohlaenge = ReadFile(roh, sizeof roh, datei);
    CloseFile(datei);
    unsigned char daten[kDatenbytes];
    uebernehmen(daten, zurueckuebersetzen(roh, rohlaenge, daten));
    return 0;
}

void _highscore::uebernehmen(const std::uint8_t* daten, std::size_t n) {
    // A short file fills what it holds, to the byte: a field it ends within
    // takes the bytes that were read and keeps the rest of what it had (of a
    // score, the low bytes come first).
    for (int zeile = 0; zeile < kZeilen; ++zeile) {
        const std::size_t anfang = std::size_t(zeile) * kZeilenbytes;
        const std::size_t da = n > anfang ? std::min<std::size_t>(n - anfang, kZeilenbytes) : 0;
        std::memcpy(namen[zeile], daten + anfang, std::min<std::size_t>(da, kNamenlaenge));
        std::uint32_t wert = std::uint32_t(tabellenpunkte[zeile]);
        for (std::size_t b = 0; b + kNamenlaenge < da; ++b) {
            const int schiebe = int(8 * b);
            wert = (wert & ~(0xFFu << schiebe)) | std::uint32_t(daten[anfang + kNamenlaenge + b]) << schiebe;
        }
        tabellenpunkte[zeile] = std::int32_t(wert);
        // A name that fills its whole field would run into the next row.
        namen[zeile][kNamenlaenge - 1] = 0;
    }
}

void _highscore::tabellenbytes(std::uint8_t (&daten)[kDateibytes]) const {
    for (int zeile = 0; zeile < kZeilen; ++zeile) {
        std::uint8_t* feld = daten + zeile * kZeilenbytes;
        std::memcpy(feld, namen[zeile], kNamenlaenge);
        const std::uint32_t punkte = std::uint32_t(tabellenpunkte[zeile]);
        for (int b = 0; b < 4; ++b) feld[kNamenlaenge + b] = std::uint8_t(punkte >> (8 * b));
    }
}

std::uint8_t _highscore::schreiben() {
    if (!eingerichtet) {
        OutputDebugString("-schreiben: tabelle nicht eingerichtet");
        return 1;
    }
    // A replayed game is someone else's: its table is shown, never kept.
    if (!SavingAllowed()) return 0;
    std::uint8_t daten[kDatenbytes];
    tabellenbytes(daten);
    unsigned char datei[2 * kDatenbytes];
    std::size_t laenge = 0;
    for (unsigned char c : daten) {
        if (c == 0x0A) datei[laenge++] = 0x0D;
        datei[laenge++] = c;
    }

    // Written beside the old file and put in its place only when complete, so
    // a full disk or a crash never leaves a damaged table behind. The name is
    // the program's own, so that two running games cannot mix their files.
    const std::string ziel = dateipfad();
    const std::string neu = ziel + ".neu" + std::to_string(ProcessNumber());
    bool gut = false;
    if (std::FILE* f = OpenFile(neu, "wb")) {
        gut = allesgeschrieben(f, datei, laenge);
        gut = CloseFile(f) == 0 && gut;
        gut = gut && RenameFile(neu, ziel) == 0;
        if (!gut) RemoveFile(neu);
    }
    if (!gut) {
        OutputDebugString("-schreiben: datei konnte nicht geöffnet werden");
        return 1;
    }
    resteentfernen(ziel);
    return 0;
}
