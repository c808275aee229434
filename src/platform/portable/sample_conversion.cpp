#include "platform/portable/sample_conversion.h"

#include "platform/portable/byte_order.h"

namespace platform {

namespace {

// One channel of a file frame as a signed 16-bit value.
template <int Bits>
inline std::int32_t sample(const std::uint8_t* p) {
    if (Bits == 8) return (std::int32_t(p[0]) - 128) * 256;
    return std::int16_t(le16(p));
}

// Frame i of the file as (left, right); mono gives the same value twice.
template <int Bits, int Channels>
inline void frame_values(const std::uint8_t* bytes, std::size_t i, std::int32_t* left, std::int32_t* right) {
    const std::uint8_t* p = bytes + i * std::size_t(Channels * Bits / 8);
    *left = sample<Bits>(p);
    *right = Channels == 2 ? sample<Bits>(p + Bits / 8) : *left;
}

template <int Bits, int Channels>
void convert(const std::uint8_t* bytes, std::size_t frames, std::uint64_t step, int to_channels,
             std::int16_t* out, std::size_t out_frames) {
    // The position in file frames, with 32 bits of fraction: exact enough for
    // the longest sound without drifting.
    std::uint64_t position = 0;
    for (std::size_t j = 0; j < out_frames; ++j, position += step) {
        std::size_t i = std::size_t(position >> 32);
        if (i >= frames) i = frames - 1;
        const std::size_t next = i + 1 < frames ? i + 1 : i;
        const std::int64_t fraction = std::int64_t(position & 0xFFFFFFFFu);
        std::int32_t l0, r0, l1, r1;
        frame_values<Bits, Channels>(bytes, i, &l0, &r0);
        frame_values<Bits, Channels>(bytes, next, &l1, &r1);
        const auto left = std::int16_t(l0 + (((std::int64_t(l1) - l0) * fraction) >> 32));
        const auto right = std::int16_t(r0 + (((std::int64_t(r1) - r0) * fraction) >> 32));
        if (to_channels == 1) {
            *out++ = std::int16_t((left + right) / 2);
            continue;
        }
        // Beyond two channels the pair repeats.
        for (int c = 0; c < to_channels; ++c) *out++ = c % 2 ? right : left;
    }
}

}  // namespace

std::uint64_t ConvertedFrames(std::uint64_t frames, std::uint32_t from_rate, std::uint32_t to_rate) {
    if (from_rate == 0) return 0;
    return (frames * to_rate + from_rate - 1) / from_rate;
}

std::vector<std::int16_t> ConvertSamples(const std::uint8_t* bytes, std::size_t size, const WAVEFORMATEX& from,
                                         std::uint32_t to_rate, int to_channels) {
    std::vector<std::int16_t> out;
    const bool known = (from.wBitsPerSample == 8 || from.wBitsPerSample == 16) &&
                       (from.nChannels == 1 || from.nChannels == 2) &&
                       from.nBlockAlign == from.nChannels * from.wBitsPerSample / 8;
    const bool rate_known = from.nSamplesPerSec >= kLowestSampleRate && from.nSamplesPerSec <= kHighestSampleRate;
    if (!known || !rate_known || to_rate == 0 || to_channels < 1) return out;
    const std::size_t frames = size / from.nBlockAlign;
    if (frames == 0) return out;
    const std::size_t out_frames = std::size_t(ConvertedFrames(frames, from.nSamplesPerSec, to_rate));
    out.resize(out_frames * std::size_t(to_channels));
    const std::uint64_t step = (std::uint64_t(from.nSamplesPerSec) << 32) / to_rate;
    auto* o = out.data();
    if (from.wBitsPerSample == 8 && from.nChannels == 1) convert<8, 1>(bytes, frames, step, to_channels, o, out_frames);
    if (from.wBitsPerSample == 8 && from.nChannels == 2) convert<8, 2>(bytes, frames, step, to_channels, o, out_frames);
    if (from.wBitsPerSample == 16 && from.nChannels == 1) convert<16, 1>(bytes, frames, step, to_channels, o, out_frames);
    if (from.wBitsPerSample == 16 && from.nChannels == 2) convert<16, 2>(bytes, frames, step, to_channels, o, out_frames);
    return out;
}

}  // namespace platform
