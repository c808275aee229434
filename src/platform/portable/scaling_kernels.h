// The inner loops of the sharp fill: rows of 32-bit pixels blended, copied
// and spread out, with the processor's vector instructions where it has
// them. Each byte of a pixel is treated alike, so any byte order works.
#pragma once
#include <cstdint>
#include <vector>

namespace platform {

// Shares are in 32768ths, 1 .. 32767: a * share + b * (1 - share), each
// byte rounded.
constexpr std::uint32_t kWholeShare = 32768;
std::uint32_t BlendPixel(std::uint32_t a, std::uint32_t b, std::uint32_t share);

// n pixels of two rows blended by one share into `to`, the stores
// streamed or not as for CopyRow.
void BlendRows(const std::uint32_t* a, const std::uint32_t* b, std::uint32_t share, std::uint32_t* to, int n,
               bool stream);

// For each pixel i of `colours` below n (a multiple of 4), the pixel and
// then its blend with pixel i + 1 by its own share: 2n pixels. `shares`
// holds each pixel's share four times over (0 for pixels without a blend).
// `colours` must hold n + 4 pixels.
void PairWithBlends(const std::uint32_t* colours, const std::uint16_t* shares, std::uint32_t* to, int n);

// n pixels copied into memory that the display reads next. With `stream`
// the stores bypass the cache, which hands a large picture over without
// pulling each line of it in first; a small one is cheaper through the
// cache.
void CopyRow(const std::uint32_t* from, std::uint32_t* to, int n, bool stream);

// Streamed stores are in memory before the display is told to read them.
void FinishStreaming();

// Output pixels picked from a row of entries: pixel j is entries[pick[j]].
// Picks never go back and, for the image's scaling, lie within eight
// entries of each other in any four neighbouring pixels; the placement
// then takes four pixels at a time.
class Placement {
public:
    void Plan(const std::vector<std::uint16_t>& pick);
    // Writes pick.size() pixels, rounded up to four, to `out`; `entries`
    // must hold eight more than the largest pick.
    void Place(const std::uint32_t* entries, std::uint32_t* out) const;

private:
    std::vector<std::uint16_t> pick_;
    // For each four output pixels: the first entry of their window, and
    // each pixel's bytes in it and in the next four entries (0x80: none).
    std::vector<std::uint32_t> base_;
    std::vector<std::uint8_t> near_, far_;
    bool far_used_ = false;
};

}  // namespace platform
