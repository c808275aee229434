// Hand-made RIFF files for the reader and loader tests, byte by byte, so sizes can lie and chunks come in any order.
#pragma once
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace riff {

using Bytes = std::vector<std::uint8_t>;

// Little-endian; fields wider than four bytes are zero above.
inline void put(Bytes& b, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) b.push_back(i < 4 ? std::uint8_t(v >> (8 * i)) : 0);
}

inline Bytes plus(Bytes b, const Bytes& more) { b.insert(b.end(), more.begin(), more.end()); return b; }

// A chunk whose size field says `size` (its real length unless told otherwise), padded to an even length.
inline Bytes chunk(const char* id, const Bytes& body, std::int64_t size = -1) {
    Bytes b(id, id + 4);
    put(b, size < 0 ? std::uint32_t(body.size()) : std::uint32_t(size), 4);
    b = plus(b, body);
    if (body.size() & 1) b.push_back(0);
    return b;
}

inline Bytes file(const std::vector<Bytes>& chunks, const char* form = "WAVE", const char* id = "RIFF") {
    Bytes body(form, form + 4);
    for (const Bytes& c : chunks) body = plus(body, c);
    return chunk(id, body);
}

// The 16 bytes of a format; the block alignment is worked out unless given.
inline Bytes format(unsigned tag, unsigned channels, std::uint32_t rate, unsigned bits, int align = -1) {
    const unsigned block = align < 0 ? channels * bits / 8 : unsigned(align), per_second = rate * channels * bits / 8;
    Bytes b;
    for (auto [v, n] : {std::pair{tag, 2}, {channels, 2}, {rate, 4}, {per_second, 4}, {block, 2}, {bits, 2}})
        put(b, v, n);
    return b;
}

inline Bytes cut(Bytes b, std::size_t size) { b.resize(size); return b; }

inline void write(const std::string& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

}  // namespace riff
