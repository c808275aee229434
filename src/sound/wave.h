// Reads RIFF WAVE files: the format block of the "fmt " chunk and the sample
// bytes of the "data" chunk, found in any order among other chunks. One file
// at a time; the caller keeps the handle, the format block and the chunk
// records between the calls.
//
// Calling order: WaveOpenFile, WaveStartDataRead, wavedatenlesen as often as
// needed, wavedateischliessen.
#pragma once
#include <cstdint>
#include <cstdio>

#include "platform/portable/wave_format.h"

// A chunk as found in the file: its id, its size, the form type of a RIFF
// chunk, and where its data begins (for a RIFF chunk, at the form type).
struct MMCKINFO {
    std::uint32_t ckid;
    std::uint32_t cksize;
    std::uint32_t fccType;
    std::uint32_t dwDataOffset;
    std::uint32_t dwFlags;
};

// Result codes; 0 is success.
constexpr int WAVEFEHLER_SPEICHER = 0xE000;       // no memory for the format block
constexpr int WAVEFEHLER_OEFFNEN = 0xE100;        // the file cannot be opened
constexpr int WAVEFEHLER_FORMAT = 0xE101;         // not RIFF WAVE, or its "fmt " too short
constexpr int WAVEFEHLER_FORMATLESEN = 0xE102;    // the format cannot be read
constexpr int WAVEFEHLER_DATENENDE = 0xE103;      // the data ends before the bytes asked for
constexpr int WAVEFEHLER_PUFFERZUSTAND = 1;       // no file to read from
constexpr int MMIOERR_CANNOTSEEK = 263;
constexpr int MMIOERR_CHUNKNOTFOUND = 265;

// Opens the file and reads its format block (18 bytes plus the extra bytes
// it declares; allocated here, freed by wavedateischliessen). On failure
// nothing stays open or allocated: *datei and *format are null.
int WaveOpenFile(const char* pfad, std::FILE** datei, platform::WAVEFORMATEX** format, MMCKINFO* riffchunk);

// Finds the "data" chunk; the file then stands at its first sample byte.
// A chunk that claims more bytes than the file holds is refused.
int WaveStartDataRead(std::FILE** datei, MMCKINFO* riffchunk, MMCKINFO* datenchunk);

// Copies up to `anzahl` bytes, no more than the data chunk has left, and
// lowers its remaining size by as many. *gelesen: the bytes copied, 0 on
// failure.
int wavedatenlesen(std::FILE* datei, std::uint32_t anzahl, std::uint8_t* ziel, MMCKINFO* datenchunk,
                   std::uint32_t* gelesen);

// Frees the format block and closes the file, each if there is one; both end
// up null. Always 0.
int wavedateischliessen(std::FILE** datei, platform::WAVEFORMATEX** format);
