#include "platform/portable/bmp_rle.h"

namespace platform {
namespace {

// A 4-bit pixel pair's first pixel is its byte's high half.
std::uint8_t half(std::uint8_t byte, int n) { return std::uint8_t(n % 2 ? byte & 0xF : byte >> 4); }

}  // namespace

bool DecodeRle(const std::uint8_t* data, std::size_t size, int bits, int w, int h, std::uint8_t* indices) {
    if (bits != 4 && bits != 8) return false;
    std::size_t at = 0;
    long long x = 0, y = 0;  // y counts rows from the bottom, as the data does
    // Row y from x on, and how many of `count` pixels fit in it (-1: none can,
    // the row is above the picture). Pixels past the row's end are its
    // padding, which some tools encode as well: they are dropped.
    const auto place = [&](int count, std::uint8_t** out) -> int {
        if (y >= h) return -1;
        *out = indices + std::size_t(h - 1 - y) * std::size_t(w) + std::size_t(x);
        const long long fit = x + count > w ? w - x : count;
        x += count;
        if (x > w) x = w;
        return int(fit);
    };
    while (size - at >= 2) {
        const int count = data[at], code = data[at + 1];
        at += 2;
        std::uint8_t* out = nullptr;
        if (count > 0) {  // a run of one byte: one index, or two that alternate
            const int fit = place(count, &out);
            if (fit < 0) return false;
            for (int n = 0; n < fit; ++n) out[n] = bits == 8 ? std::uint8_t(code) : half(std::uint8_t(code), n);
        } else if (code == 0) {  // end of line
            x = 0;
            ++y;
        } else if (code == 1) {  // end of bitmap
            return true;
        } else if (code == 2) {  // delta: right and up
            if (size - at < 2) return false;
            x += data[at];
            y += data[at + 1];
            at += 2;
            if (x > w || y > h || (y == h && x > 0)) return false;
        } else {  // `code` pixels as they stand, padded to a 16-bit word
            const std::size_t bytes = bits == 8 ? std::size_t(code) : (std::size_t(code) + 1) / 2;
            const int fit = size - at < bytes ? -1 : place(code, &out);
            if (fit < 0) return false;
            for (int n = 0; n < fit; ++n) out[n] = bits == 8 ? data[at + std::size_t(n)] : half(data[at + std::size_t(n / 2)], n);
            at += (bytes + 1) / 2 * 2;
            if (at > size) at = size;  // the last literal's padding may be missing
        }
    }
    // Data without its end mark still counts when every row is there.
    return y >= h;
}

}  // namespace platform
