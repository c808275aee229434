// The format block of a sound: what a WAV file's "fmt " chunk holds, laid out
// byte for byte as in the file, so that it can be read straight into place.
#pragma once
#include <cstdint>

namespace platform {

constexpr std::uint16_t WAVE_FORMAT_PCM = 1;

#pragma pack(push, 1)
struct WAVEFORMATEX {
    std::uint16_t wFormatTag;
    std::uint16_t nChannels;
    std::uint32_t nSamplesPerSec;
    std::uint32_t nAvgBytesPerSec;
    std::uint16_t nBlockAlign;
    std::uint16_t wBitsPerSample;
    std::uint16_t cbSize;  // count of the extra bytes that follow the block
};
#pragma pack(pop)
static_assert(sizeof(WAVEFORMATEX) == 18, "the block is 18 bytes, as in the file");

}  // namespace platform
