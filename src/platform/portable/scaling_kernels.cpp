#include "platform/portable/scaling_kernels.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#if defined(__GNUC__)
// Byte shuffles and rounded multiplies come with SSSE3; it is asked for at
// run time, so that the program still runs, more slowly, without it.
#include <tmmintrin.h>
#define FERROW_SSSE3 1
#define FERROW_SSSE3_FUNCTION __attribute__((target("ssse3")))
// Where AVX2 is there too, the blends take eight pixels at a time.
#include <immintrin.h>
#define FERROW_AVX2_FUNCTION __attribute__((target("avx2")))
#endif
#endif

namespace platform {
namespace {

#if defined(__SSE2__)
inline __m128i load(const void* p) { return _mm_loadu_si128(static_cast<const __m128i*>(p)); }
inline bool aligned(const void* p) { return (reinterpret_cast<std::uintptr_t>(p) & 15) == 0; }
#endif

#if defined(FERROW_SSSE3)
bool has_ssse3() {
    static const bool yes = __builtin_cpu_supports("ssse3");
    return yes;
}
bool has_avx2() {
    static const bool yes = __builtin_cpu_supports("avx2");
    return yes;
}

// Four pixels of b moved towards a by shares given per byte (the first
// eight bytes' shares, then the last eight's): the difference of each byte
// times its share, rounded, added to b's byte.
FERROW_SSSE3_FUNCTION inline __m128i blend_four(__m128i a, __m128i b, __m128i share_lo, __m128i share_hi) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i b_lo = _mm_unpacklo_epi8(b, zero), b_hi = _mm_unpackhi_epi8(b, zero);
    const __m128i lo = _mm_mulhrs_epi16(_mm_sub_epi16(_mm_unpacklo_epi8(a, zero), b_lo), share_lo);
    const __m128i hi = _mm_mulhrs_epi16(_mm_sub_epi16(_mm_unpackhi_epi8(a, zero), b_hi), share_hi);
    return _mm_packus_epi16(_mm_add_epi16(b_lo, lo), _mm_add_epi16(b_hi, hi));
}

// A share of 32768 is the whole; the multiply takes at most 32767.
inline short multiplier(std::uint32_t share) { return short(std::min<std::uint32_t>(share, 32767)); }

FERROW_SSSE3_FUNCTION inline __m128i shares(std::uint32_t share) { return _mm_set1_epi16(multiplier(share)); }

FERROW_SSSE3_FUNCTION inline void store(std::uint32_t* to, __m128i pixels, bool stream) {
    if (stream)
        _mm_stream_si128(reinterpret_cast<__m128i*>(to), pixels);
    else
        _mm_store_si128(reinterpret_cast<__m128i*>(to), pixels);
}

FERROW_SSSE3_FUNCTION int blend_rows(const std::uint32_t* a, const std::uint32_t* b, std::uint32_t share,
                                     std::uint32_t* to, int i, int n, bool stream) {
    const __m128i s = shares(share);
    // Where both rows are alike, as in the sky's bands and the bars of
    // colour that scenes are made of, there is nothing to blend.
    for (; i + 4 <= n; i += 4) {
        const __m128i pa = load(a + i), pb = load(b + i);
        const bool alike = _mm_movemask_epi8(_mm_cmpeq_epi8(pa, pb)) == 0xFFFF;
        store(to + i, alike ? pa : blend_four(pa, pb, s, s), stream);
    }
    return i;
}

FERROW_SSSE3_FUNCTION void pair_with_blends(const std::uint32_t* colours, const std::uint16_t* share,
                                            std::uint32_t* to, int n) {
    for (int i = 0; i < n; i += 4) {
        const __m128i c = load(colours + i), next = load(colours + i + 1);
        // Runs of one colour, which pictures are mostly made of, blend to it.
        const bool alike = _mm_movemask_epi8(_mm_cmpeq_epi8(c, next)) == 0xFFFF;
        const __m128i b = alike ? c : blend_four(c, next, load(share + 4 * i), load(share + 4 * i + 8));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + 2 * i), _mm_unpacklo_epi32(c, b));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + 2 * i + 4), _mm_unpackhi_epi32(c, b));
    }
}

// Each four output pixels from their window of four entries, or of eight
// where the picks spread wider (a factor below 2).
FERROW_SSSE3_FUNCTION void place(const std::uint32_t* entries, const std::uint32_t* base, const std::uint8_t* near,
                                 const std::uint8_t* far, int blocks, std::uint32_t* out) {
    if (!far) {
        for (int i = 0; i < blocks; ++i)
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 4 * i),
                             _mm_shuffle_epi8(load(entries + base[i]), load(near + 16 * i)));
        return;
    }
    for (int i = 0; i < blocks; ++i) {
        const __m128i a = _mm_shuffle_epi8(load(entries + base[i]), load(near + 16 * i));
        const __m128i b = _mm_shuffle_epi8(load(entries + base[i] + 4), load(far + 16 * i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 4 * i), _mm_or_si128(a, b));
    }
}

// The same with eight pixels: each 128-bit half of a register works as the
// four-pixel version does.
FERROW_AVX2_FUNCTION inline __m256i blend_eight(__m256i a, __m256i b, __m256i share_lo, __m256i share_hi) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i b_lo = _mm256_unpacklo_epi8(b, zero), b_hi = _mm256_unpackhi_epi8(b, zero);
    const __m256i lo = _mm256_mulhrs_epi16(_mm256_sub_epi16(_mm256_unpacklo_epi8(a, zero), b_lo), share_lo);
    const __m256i hi = _mm256_mulhrs_epi16(_mm256_sub_epi16(_mm256_unpackhi_epi8(a, zero), b_hi), share_hi);
    return _mm256_packus_epi16(_mm256_add_epi16(b_lo, lo), _mm256_add_epi16(b_hi, hi));
}

FERROW_AVX2_FUNCTION inline __m256i load8(const void* p) {
    return _mm256_loadu_si256(static_cast<const __m256i*>(p));
}

FERROW_AVX2_FUNCTION inline void store8(std::uint32_t* to, __m256i pixels, bool stream) {
    if (stream)
        _mm256_stream_si256(reinterpret_cast<__m256i*>(to), pixels);
    else
        _mm256_store_si256(reinterpret_cast<__m256i*>(to), pixels);
}

FERROW_AVX2_FUNCTION int blend_rows_avx2(const std::uint32_t* a, const std::uint32_t* b, std::uint32_t share,
                                         std::uint32_t* to, int i, int n, bool stream) {
    const __m256i s = _mm256_set1_epi16(multiplier(share));
    for (; i + 8 <= n; i += 8) {
        const __m256i pa = load8(a + i), pb = load8(b + i);
        const bool alike = _mm256_movemask_epi8(_mm256_cmpeq_epi8(pa, pb)) == -1;
        store8(to + i, alike ? pa : blend_eight(pa, pb, s, s), stream);
    }
    return i;
}

FERROW_AVX2_FUNCTION void pair_with_blends_avx2(const std::uint32_t* colours, const std::uint16_t* share,
                                                std::uint32_t* to, int n) {
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        const __m256i c = load8(colours + i), next = load8(colours + i + 1);
        __m256i b = c;
        if (_mm256_movemask_epi8(_mm256_cmpeq_epi8(c, next)) != -1) {
            // A half's low bytes are pixels 0-1 (4-5), its high bytes 2-3 (6-7).
            const __m256i lo = _mm256_set_m128i(load(share + 4 * i + 16), load(share + 4 * i));
            const __m256i hi = _mm256_set_m128i(load(share + 4 * i + 24), load(share + 4 * i + 8));
            b = blend_eight(c, next, lo, hi);
        }
        const __m256i first = _mm256_unpacklo_epi32(c, b), second = _mm256_unpackhi_epi32(c, b);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(to + 2 * i), _mm256_permute2x128_si256(first, second, 0x20));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(to + 2 * i + 8), _mm256_permute2x128_si256(first, second, 0x31));
    }
    if (i < n) {
        // The four-pixel code runs slowly while the eight-pixel registers'
        // upper halves are still in use (a four-pixel tail added half the
        // time of the row before it): they are cleared first.
        _mm256_zeroupper();
        pair_with_blends(colours + i, share + 4 * i, to + 2 * i, n - i);
    }
}

// Two blocks of four pixels at a time, each from its own window.
FERROW_AVX2_FUNCTION void place_avx2(const std::uint32_t* entries, const std::uint32_t* base, const std::uint8_t* near,
                                     const std::uint8_t* far, int blocks, std::uint32_t* out) {
    int i = 0;
    for (; i + 2 <= blocks; i += 2) {
        const __m256i window = _mm256_set_m128i(load(entries + base[i + 1]), load(entries + base[i]));
        __m256i placed = _mm256_shuffle_epi8(window, load8(near + 16 * i));
        if (far) {
            const __m256i beyond = _mm256_set_m128i(load(entries + base[i + 1] + 4), load(entries + base[i] + 4));
            placed = _mm256_or_si256(placed, _mm256_shuffle_epi8(beyond, load8(far + 16 * i)));
        }
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + 4 * i), placed);
    }
    if (i < blocks) {
        _mm256_zeroupper();  // as for the pairs' tail
        place(entries, base + i, near + 16 * i, far ? far + 16 * i : nullptr, blocks - i, out + 4 * i);
    }
}
#endif

}  // namespace

std::uint32_t BlendPixel(std::uint32_t a, std::uint32_t b, std::uint32_t share) {
    std::uint32_t blended = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const std::uint32_t ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
        blended |= ((ca * share + cb * (kWholeShare - share) + kWholeShare / 2) / kWholeShare) << shift;
    }
    return blended;
}

void BlendRows(const std::uint32_t* a, const std::uint32_t* b, std::uint32_t share, std::uint32_t* to, int n,
               bool stream) {
    int i = 0;
#if defined(FERROW_SSSE3)
    if (has_avx2()) {
        for (; i < n && (reinterpret_cast<std::uintptr_t>(to + i) & 31) != 0; ++i) to[i] = BlendPixel(a[i], b[i], share);
        i = blend_rows_avx2(a, b, share, to, i, n, stream);
    }
    if (has_ssse3()) {
        for (; i < n && !aligned(to + i); ++i) to[i] = BlendPixel(a[i], b[i], share);
        i = blend_rows(a, b, share, to, i, n, stream);
    }
#else
    (void)stream;
#endif
    for (; i < n; ++i) to[i] = BlendPixel(a[i], b[i], share);
}

void PairWithBlends(const std::uint32_t* colours, const std::uint16_t* shares, std::uint32_t* to, int n) {
#if defined(FERROW_SSSE3)
    if (has_avx2()) {
        pair_with_blends_avx2(colours, shares, to, n);
        return;
    }
    if (has_ssse3()) {
        pair_with_blends(colours, shares, to, n);
        return;
    }
#endif
    for (int i = 0; i < n; ++i) {
        to[2 * i] = colours[i];
        to[2 * i + 1] = BlendPixel(colours[i], colours[i + 1], shares[4 * i]);
    }
}

void CopyRow(const std::uint32_t* from, std::uint32_t* to, int n, bool stream) {
#if defined(__SSE2__)
    if (!stream) {
        std::memcpy(to, from, std::size_t(n) * 4);
        return;
    }
    int i = 0;
    for (; i < n && !aligned(to + i); ++i) to[i] = from[i];
    for (; i + 4 <= n; i += 4) _mm_stream_si128(reinterpret_cast<__m128i*>(to + i), load(from + i));
    for (; i < n; ++i) to[i] = from[i];
#else
    (void)stream;
    std::memcpy(to, from, std::size_t(n) * 4);
#endif
}

void FinishStreaming() {
#if defined(__SSE2__)
    _mm_sfence();
#endif
}

void Placement::Plan(const std::vector<std::uint16_t>& pick) {
    pick_ = pick;
    const int blocks = int(pick.size() + 3) / 4;
    base_.assign(std::size_t(blocks), 0);
    near_.assign(std::size_t(blocks) * 16, 0x80);
    far_.assign(std::size_t(blocks) * 16, 0x80);
    far_used_ = false;
    for (int i = 0; i < blocks; ++i) {
        base_[i] = pick[std::size_t(4) * i];
        for (int p = 0; p < 4; ++p) {
            // Past the end the last pixel is repeated.
            const std::size_t j = std::min(std::size_t(4) * i + p, pick.size() - 1);
            const int rel = pick[j] - int(base_[i]);
            std::uint8_t* bytes = &(rel < 4 ? near_ : far_)[std::size_t(16) * i + 4 * p];
            for (int b = 0; b < 4; ++b) bytes[b] = std::uint8_t(4 * (rel % 4) + b);
            far_used_ = far_used_ || rel >= 4;
        }
    }
}

void Placement::Place(const std::uint32_t* entries, std::uint32_t* out) const {
#if defined(FERROW_SSSE3)
    if (has_avx2()) {
        place_avx2(entries, base_.data(), near_.data(), far_used_ ? far_.data() : nullptr, int(base_.size()), out);
        return;
    }
    if (has_ssse3()) {
        place(entries, base_.data(), near_.data(), far_used_ ? far_.data() : nullptr, int(base_.size()), out);
        return;
    }
#endif
    const std::uint16_t* pick = pick_.data();
    for (std::size_t j = 0; j < pick_.size(); ++j) out[j] = entries[pick[j]];
}

}  // namespace platform
