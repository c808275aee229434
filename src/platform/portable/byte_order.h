// Little-endian numbers in byte buffers, as every file of the game and every
// BMP and WAV stores them, read and written whatever the machine's own order.
#pragma once
#include <cstdint>
#include <vector>

namespace platform {

inline std::uint16_t le16(const std::uint8_t* p) { return std::uint16_t(p[0] | p[1] << 8); }

inline std::uint32_t le32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

inline std::uint64_t le64(const std::uint8_t* p) { return le32(p) | std::uint64_t(le32(p + 4)) << 32; }

// Appends the value's lowest `bytes` bytes, the lowest first.
inline void putle(std::vector<std::uint8_t>& out, std::uint64_t value, int bytes) {
    for (int b = 0; b < bytes; ++b) out.push_back(std::uint8_t(value >> (8 * b)));
}

}  // namespace platform
