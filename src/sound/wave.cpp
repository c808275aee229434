#include "sound/wave.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/files.h"
#include "platform/portable/byte_order.h"
#include "platform/testing/fault_injection.h"

using platform::le16;
using platform::le32;
using platform::WAVEFORMATEX;

namespace {

std::uint32_t kennung(const char (&text)[5]) { return le32(reinterpret_cast<const std::uint8_t*>(text)); }

bool lesen(std::FILE* datei, void* ziel, std::size_t anzahl) {
    return platform::ReadFile(ziel, anzahl, datei) == anzahl;
}

long position(std::FILE* datei) { return std::ftell(datei); }

// Reads the chunk header at the current position; RIFF and LIST chunks also
// give their form type. The file is left at the chunk's data.
int kopflesen(std::FILE* datei, MMCKINFO* chunk) {
    const long anfang = position(datei);
    std::uint8_t kopf[8];
    if (anfang < 0 || !lesen(datei, kopf, sizeof kopf)) return MMIOERR_CHUNKNOTFOUND;
    chunk->ckid = le32(kopf);
    chunk->cksize = le32(kopf + 4);
    chunk->fccType = 0;
    chunk->dwDataOffset = std::uint32_t(anfang + 8);
    chunk->dwFlags = 0;
    if (chunk->ckid == kennung("RIFF") || chunk->ckid == kennung("LIST")) {
        std::uint8_t form[4];
        if (!lesen(datei, form, sizeof form)) return MMIOERR_CHUNKNOTFOUND;
        chunk->fccType = le32(form);
    }
    return 0;
}

// Looks for the chunk with the id from the current position to the end of the
// parent, skipping every other chunk with its pad byte.
int suchen(std::FILE* datei, std::uint32_t id, const MMCKINFO& eltern, MMCKINFO* chunk) {
    const std::uint64_t ende = std::uint64_t(eltern.dwDataOffset) + eltern.cksize;
    for (;;) {
        const long anfang = position(datei);
        if (anfang < 0 || std::uint64_t(anfang) + 8 > ende) return MMIOERR_CHUNKNOTFOUND;
        if (const int fehler = kopflesen(datei, chunk)) return fehler;
        if (chunk->ckid == id) return 0;
        const std::uint64_t weiter = std::uint64_t(chunk->dwDataOffset) + chunk->cksize + (chunk->cksize & 1);
        if (std::fseek(datei, long(weiter), SEEK_SET) != 0) return MMIOERR_CANNOTSEEK;
    }
}

// Out of a chunk: to the byte behind it and its pad byte.
int verlassen(std::FILE* datei, const MMCKINFO& chunk) {
    const std::uint64_t weiter = std::uint64_t(chunk.dwDataOffset) + chunk.cksize + (chunk.cksize & 1);
    return std::fseek(datei, long(weiter), SEEK_SET) == 0 ? 0 : MMIOERR_CANNOTSEEK;
}

int formatlesen(std::FILE* datei, const MMCKINFO& riffchunk, WAVEFORMATEX** format) {
    MMCKINFO fmtchunk{};
    if (const int fehler = suchen(datei, kennung("fmt "), riffchunk, &fmtchunk)) return fehler;
    if (fmtchunk.cksize < 16) return WAVEFEHLER_FORMAT;

    WAVEFORMATEX pcm{};
    if (!lesen(datei, &pcm, 16)) return WAVEFEHLER_FORMATLESEN;
    std::uint16_t zusatz = 0;
    // Plain PCM has no extra bytes, whatever its chunk carries behind the
    // 16; others say how many follow. Neither may reach past the chunk,
    // where the next chunk's bytes would be taken for the format's.
    if (pcm.wFormatTag != platform::WAVE_FORMAT_PCM) {
        std::uint8_t wort[2];
        if (fmtchunk.cksize < 18 || !lesen(datei, wort, sizeof wort)) return WAVEFEHLER_FORMATLESEN;
        zusatz = le16(wort);
        if (std::uint32_t(zusatz) > fmtchunk.cksize - 18) return WAVEFEHLER_FORMAT;
    }

    *format = static_cast<WAVEFORMATEX*>(platform::AllocateOrNull(sizeof(WAVEFORMATEX) + zusatz));
    if (!*format) return WAVEFEHLER_SPEICHER;
    std::memcpy(*format, &pcm, 16);
    (*format)->cbSize = zusatz;
    if (zusatz != 0 && !lesen(datei, reinterpret_cast<std::uint8_t*>(*format) + sizeof(WAVEFORMATEX), zusatz))
        return WAVEFEHLER_FORMAT;
    return verlassen(datei, fmtchunk);
}

}  // namespace

int WaveOpenFile(const char* pfad, std::FILE** datei, WAVEFORMATEX** format, MMCKINFO* riffchunk) {
    *format = nullptr;
    *datei = pfad ? platform::OpenFile(platform::ResolveFileName(pfad), "rb") : nullptr;
    if (!*datei) return WAVEFEHLER_OEFFNEN;

    int fehler = kopflesen(*datei, riffchunk);
    if (fehler == 0 && (riffchunk->ckid != kennung("RIFF") || riffchunk->fccType != kennung("WAVE")))
        fehler = WAVEFEHLER_FORMAT;
    if (fehler == 0) fehler = formatlesen(*datei, *riffchunk, format);
    if (fehler != 0) wavedateischliessen(datei, format);
    return fehler;
}

int WaveStartDataRead(std::FILE** datei, MMCKINFO* riffchunk, MMCKINFO* datenchunk) {
    if (!*datei) return MMIOERR_CANNOTSEEK;
    // Behind the form type, so that a "data" chunk before "fmt " is found.
    if (std::fseek(*datei, long(riffchunk->dwDataOffset) + 4, SEEK_SET) != 0) return MMIOERR_CANNOTSEEK;
    if (const int fehler = suchen(*datei, kennung("data"), *riffchunk, datenchunk)) return fehler;

    // A size beyond the end of the file would have the loader ask for bytes
    // that are not there.
    if (std::fseek(*datei, 0, SEEK_END) != 0) return MMIOERR_CANNOTSEEK;
    const long dateiende = position(*datei);
    if (dateiende < 0 || std::uint64_t(datenchunk->dwDataOffset) + datenchunk->cksize > std::uint64_t(dateiende))
        return WAVEFEHLER_DATENENDE;
    return std::fseek(*datei, long(datenchunk->dwDataOffset), SEEK_SET) == 0 ? 0 : MMIOERR_CANNOTSEEK;
}

int wavedatenlesen(std::FILE* datei, std::uint32_t anzahl, std::uint8_t* ziel, MMCKINFO* datenchunk,
                   std::uint32_t* gelesen) {
    *gelesen = 0;
    if (!datei) return WAVEFEHLER_PUFFERZUSTAND;
    const std::uint32_t n = anzahl < datenchunk->cksize ? anzahl : datenchunk->cksize;
    datenchunk->cksize -= n;
    if (n != 0 && !lesen(datei, ziel, n)) return WAVEFEHLER_DATENENDE;
    *gelesen = n;
    return 0;
}

int wavedateischliessen(std::FILE** datei, WAVEFORMATEX** format) {
    if (*format) {
        std::free(*format);
        *format = nullptr;
    }
    if (*datei) {
        platform::CloseFile(*datei);
        *datei = nullptr;
    }
    return 0;
}
