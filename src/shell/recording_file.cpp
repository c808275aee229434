#include "shell/recording_file.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "platform/files.h"
#include "shell/recording_format.h"

using namespace platform;

namespace {

constexpr std::size_t kStueck = 64 * 1024;

// What was found, as the player is told it; the line names the file.
void melden(std::FILE* fehler, const char* pfad, const Pruefung& p) {
    switch (p.befund) {
        case Befund::gut: return;
        case Befund::keine: std::fprintf(fehler, "ferrow: \"%s\" ist keine Aufnahme von ferrow.\n", pfad); return;
        case Befund::version:
            std::fprintf(fehler, "ferrow: Die Aufnahme \"%s\" hat das Format %u, dieses Programm spielt Format %u.\n",
                         pfad, p.format, unsigned(kAufnahmeformat));
            return;
        case Befund::unvollstaendig:
            std::fprintf(fehler, "ferrow: Die Aufnahme \"%s\" ist unvollständig (nach %zu Bytes abgeschnitten).\n",
                         pfad, p.stelle);
            return;
        case Befund::beschaedigt:
            std::fprintf(fehler, "ferrow: Die Aufnahme \"%s\" ist beschädigt (bei Byte %zu).\n", pfad, p.stelle);
            return;
        case Befund::pruefsumme:
            std::fprintf(fehler, "ferrow: Die Aufnahme \"%s\" ist beschädigt (die Prüfsumme stimmt nicht).\n", pfad);
            return;
        case Befund::zugross:
            std::fprintf(fehler, "ferrow: Die Aufnahme \"%s\" ist zu groß (mehr als %zu MiB).\n", pfad,
                         kAufnahmehoechstgroesse >> 20);
            return;
    }
}

}  // namespace

bool aufnahmelesen(const std::string& pfad, std::vector<std::uint8_t>* bytes, std::FILE* fehler) {
    bytes->clear();
    std::error_code ec;
    const bool da = std::filesystem::exists(pfad, ec);
    // A file that says it is too large is not read at all.
    const std::uintmax_t groesse = da ? std::filesystem::file_size(pfad, ec) : 0;
    if (da && !ec && groesse > kAufnahmehoechstgroesse) {
        melden(fehler, pfad.c_str(), {Befund::zugross});
        return false;
    }
    std::FILE* datei = da ? OpenFile(pfad, "rb") : nullptr;
    if (!datei) {
        std::fprintf(fehler, da ? "ferrow: Die Aufnahme \"%s\" lässt sich nicht lesen.\n"
                                : "ferrow: Die Aufnahme \"%s\" gibt es nicht.\n",
                     pfad.c_str());
        return false;
    }
    // In pieces, up to one byte past the largest allowed, which a device or a
    // file still growing may hold although its size said otherwise.
    bool lesefehler = false;
    while (bytes->size() <= kAufnahmehoechstgroesse) {
        const std::size_t alt = bytes->size();
        bytes->resize(alt + kStueck);
        const std::size_t n = ReadFile(bytes->data() + alt, kStueck, datei);
        bytes->resize(alt + n);
        if (n < kStueck) {
            lesefehler = !std::feof(datei);
            break;
        }
    }
    CloseFile(datei);
    if (lesefehler) {
        std::fprintf(fehler, "ferrow: Die Aufnahme \"%s\" lässt sich nicht lesen.\n", pfad.c_str());
        return false;
    }
    const Pruefung p = aufnahmepruefen(bytes->data(), bytes->size());
    melden(fehler, pfad.c_str(), p);
    return p.befund == Befund::gut;
}

bool Aufnahmedatei::oeffnen(const std::string& pfad, std::FILE* fehler) {
    verwerfen();
    pfad_ = pfad;
    // Beside the final name, and the program's own, as the highscore file.
    neu_ = pfad + ".neu" + std::to_string(getpid());
    datei_ = OpenFile(neu_, "wb");
    gut_ = datei_ != nullptr;
    if (!gut_) std::fprintf(fehler, "ferrow: Die Aufnahme \"%s\" lässt sich nicht anlegen.\n", pfad.c_str());
    return gut_;
}

void Aufnahmedatei::schreiben(const std::vector<std::uint8_t>& bytes) {
    if (gut_ && !bytes.empty()) gut_ = WriteFile(bytes.data(), bytes.size(), datei_) == bytes.size();
}

bool Aufnahmedatei::abschliessen(std::FILE* fehler) {
    if (!datei_) return false;
    // Closing writes what the stream still holds, and says if that failed.
    bool gut = CloseFile(datei_) == 0 && gut_;
    datei_ = nullptr;
    gut = gut && RenameFile(neu_, pfad_) == 0;
    if (!gut) {
        std::remove(neu_.c_str());
        std::fprintf(fehler, "ferrow: Die Aufnahme \"%s\" ließ sich nicht schreiben.\n", pfad_.c_str());
    }
    return gut;
}

void Aufnahmedatei::verwerfen() {
    if (!datei_) return;
    std::fclose(datei_);
    datei_ = nullptr;
    std::remove(neu_.c_str());
}
