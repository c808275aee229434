#include <gtest/gtest.h>

#include <cmath>

#include "platform/portable/sample_conversion.h"
#include "support/riff_bytes.h"

using namespace platform;

namespace {

WAVEFORMATEX format(int bits, int channels, std::uint32_t rate) {
    const auto align = std::uint16_t(channels * bits / 8);
    return {WAVE_FORMAT_PCM, std::uint16_t(channels), rate, rate * align, align, std::uint16_t(bits), 0};
}

}  // namespace

TEST(SampleConversion, EightBitMonoDoubledToStereoKeepsItsValuesAndInterpolatesBetween) {
    // 0x80 is silence.
    const std::vector<std::uint8_t> bytes = {0x80, 0xC0, 0x00};
    const auto out = ConvertSamples(bytes.data(), bytes.size(), format(8, 1, 22050), 44100, 2);
    EXPECT_EQ(out, (std::vector<std::int16_t>{0, 0, 8192, 8192, 16384, 16384, -8192, -8192, -32768, -32768,
                                              -32768, -32768}));
    // The last frame of a sound is heard even when the rates do not divide.
    EXPECT_EQ(ConvertedFrames(11025, 48000, 44100), 10130u);
}

TEST(SampleConversion, SixteenBitStereoMixedDownATonesPitchKeptAndUnknownFormatsRefused) {
    // 1000 and -3000, then the start of a frame the file does not finish.
    const std::vector<std::uint8_t> pair = {0xE8, 0x03, 0x48, 0xF4, 0x7F};
    EXPECT_EQ(ConvertSamples(pair.data(), pair.size(), format(16, 2, 44100), 44100, 1),
              (std::vector<std::int16_t>{-1000}));

    // One second of 440 Hz at 11025 Hz, played at 48000 Hz: as many rises through zero, and the peak kept.
    // (M_PI is POSIX, not C++: MinGW leaves it out.)
    const double pi = std::acos(-1.0);
    std::vector<std::uint8_t> tone;
    for (int i = 0; i < 11025; ++i)
        riff::put(tone, std::uint16_t(std::lround(20000 * std::sin(2 * pi * 440 * i / 11025.0))), 2);
    const auto out = ConvertSamples(tone.data(), tone.size(), format(16, 1, 11025), 48000, 2);
    ASSERT_EQ(out.size(), 2u * 48000u);
    int rises = 0, peak = 0;
    for (std::size_t i = 2; i < out.size(); i += 2) {
        rises += out[i - 2] < 0 && out[i] >= 0;
        peak = std::max(peak, int(out[i]));
        ASSERT_EQ(out[i], out[i + 1]);
    }
    EXPECT_NEAR(rises, 440, 1);
    EXPECT_NEAR(peak, 20000, 200);

    // Unknown formats and rates give nothing.
    const std::vector<std::uint8_t> bytes(64, 0x80);
    for (WAVEFORMATEX f : {format(24, 1, 22050), format(8, 3, 22050), format(8, 1, 999), format(8, 1, 4000000000u)})
        EXPECT_TRUE(ConvertSamples(bytes.data(), bytes.size(), f, 44100, 2).empty()) << f.wBitsPerSample << " bits "
            << f.nChannels << " channels " << f.nSamplesPerSec << " Hz";
}
