// A sound file's PCM frames turned into the device's: signed 16-bit at the
// device's rate and channel count. Converted once when a buffer is filled, so
// that the mixer only adds.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/portable/wave_format.h"

namespace platform {

// File rates outside these are refused rather than converted: a few bytes
// claiming a rate of a few frames a second would otherwise become a sound of
// minutes and gigabytes.
constexpr std::uint32_t kLowestSampleRate = 1000;
constexpr std::uint32_t kHighestSampleRate = 1000000;

// The device frames that `frames` file frames become: the same length of time,
// rounded up so that the last file frame is heard.
std::uint64_t ConvertedFrames(std::uint64_t frames, std::uint32_t from_rate, std::uint32_t to_rate);

// `bytes` holds whole or partial frames of `from` (unsigned 8-bit or signed
// 16-bit little-endian, one or two channels); a partial frame at the end is
// left out. Between two file frames the value is interpolated in a straight
// line, which is all that sound effects at these rates need. Empty for a
// format or rate it does not know.
std::vector<std::int16_t> ConvertSamples(const std::uint8_t* bytes, std::size_t size, const WAVEFORMATEX& from,
                                         std::uint32_t to_rate, int to_channels);

}  // namespace platform
