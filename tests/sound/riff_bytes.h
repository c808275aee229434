// Hand-made RIFF files for the reader and loader tests: chunks laid out byte
// by byte, so that sizes can lie and chunks can come in any order.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace riff {

using Bytes = std::vector<std::uint8_t>;

inline void put16(Bytes& b, unsigned v) {
    b.push_back(std::uint8_t(v));
    b.push_back(std::uint8_t(v >> 8));
}
inline void put32(Bytes& b, std::uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}
inline void tag(Bytes& b, const char* t) { b.insert(b.end(), t, t + 4); }

// A chunk whose size field says `size` (its real length unless told
// otherwise), padded to an even length.
inline Bytes chunk(const char* id, const Bytes& body, long size = -1) {
    Bytes b;
    tag(b, id);
    put32(b, size < 0 ? std::uint32_t(body.size()) : std::uint32_t(size));
    b.insert(b.end(), body.begin(), body.end());
    if (body.size() & 1) b.push_back(0);
    return b;
}

inline Bytes file(const std::vector<Bytes>& chunks, const char* form = "WAVE", const char* id = "RIFF") {
    Bytes body;
    tag(body, form);
    for (const Bytes& c : chunks) body.insert(body.end(), c.begin(), c.end());
    return chunk(id, body);
}

// The 16 bytes of a format; the block alignment is worked out unless given.
inline Bytes format(unsigned tag_, unsigned channels, std::uint32_t rate, unsigned bits, int align = -1) {
    Bytes b;
    put16(b, tag_);
    put16(b, channels);
    put32(b, rate);
    put32(b, rate * channels * bits / 8);
    put16(b, align < 0 ? channels * bits / 8 : unsigned(align));
    put16(b, bits);
    return b;
}

inline Bytes plus(Bytes b, const Bytes& more) {
    b.insert(b.end(), more.begin(), more.end());
    return b;
}

inline Bytes cut(Bytes b, std::size_t size) {
    b.resize(size);
    return b;
}

inline void write(const std::string& path, const Bytes& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

}  // namespace riff
