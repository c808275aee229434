// The header of a BMP picture and its colour table: what the decoder, the
// program's bitmap resources and the game's palette loading all read.
#pragma once
#include <cstddef>
#include <cstdint>

namespace platform {

struct Rgb8 {
    std::uint8_t r, g, b;
};

// The fields of a BMP info header that matter here. The old core header
// (12 bytes) has no compression and no colour count; its table entries
// are three bytes, every later header's four.
struct BmpInfoHeader {
    std::uint32_t size = 0;  // the header's own length in bytes
    long long width = 0, height = 0;  // height < 0: rows stored top-down
    std::uint32_t bits = 0, compression = 0, colours_used = 0;
    std::size_t entry_size = 4;
};

constexpr std::uint32_t kBmpFileHeaderSize = 14;

// The info header at `info`, of which `available` bytes may be read; false
// for a header of unknown length or one cut short.
bool ReadBmpInfoHeader(const std::uint8_t* info, std::size_t available, BmpInfoHeader* header);

// The colour table's declared length: the colours used, or when that is 0
// 2 to the bit depth; 0 above 8 bits, where pixels carry their colours.
std::uint32_t DeclaredColours(const BmpInfoHeader& header);

// Entry i of a colour table, stored blue first.
inline Rgb8 ColourTableEntry(const std::uint8_t* table, std::size_t entry_size, std::uint32_t i) {
    const std::uint8_t* e = table + entry_size * i;
    return {e[2], e[1], e[0]};
}

}  // namespace platform
