#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "sounds/sounds.h"

using namespace assetgen;

TEST(Sounds, LevelsAndEndsAreCleanLoopsSeamlessAndTheSameOnEveryRun) {
    const auto mean_step = [](const std::vector<std::int16_t>& s) {
        double sum = 0;
        for (std::size_t i = 1; i < s.size(); ++i) sum += std::abs(s[i] - s[i - 1]);
        return sum / double(s.size() - 1);
    };
    const int max_peak = int(32768 * std::pow(10.0, -1.0 / 20));  // -1 dBFS
    const std::vector<SoundFile> sounds = all_sounds();
    for (const SoundFile& s : sounds) {
        SCOPED_TRACE(s.name);
        ASSERT_GT(s.samples.size(), 100u);
        int peak = 0;
        for (std::int16_t v : s.samples) peak = std::max(peak, std::abs(int(v)));
        EXPECT_TRUE(peak > 1000 && peak <= max_peak) << peak;
        const int first = s.samples.front(), last = s.samples.back();
        if (s.name == "s10.wav" || s.name == "s17.wav") {
            // The loop point must look like any other step between neighbours.
            EXPECT_LE(std::abs(last - first), 2 * mean_step(s.samples));
            EXPECT_LE(std::abs(first), mean_step(s.samples)) << "first play would start with a click";
        } else {
            EXPECT_TRUE(std::abs(first) <= 64 && std::abs(last) <= 64) << first << " " << last;
            EXPECT_LE(s.samples.size(), 1.5 * kSampleRate);
        }
    }
    const std::vector<SoundFile> again = all_sounds();
    ASSERT_EQ(again.size(), sounds.size());
    for (std::size_t i = 0; i < again.size(); ++i) EXPECT_EQ(again[i].samples, sounds[i].samples) << again[i].name;
}

TEST(Sounds, EightBitFilesAreUnsignedRoundedAndSayTheirFormat) {
    const SoundFile sound{"t.wav", {-32768, -129, -128, 0, 127, 383, 32767}};
    const std::vector<std::uint8_t> wav = wav_bytes(sound, 8);
    ASSERT_EQ(wav.size(), 44u + sound.samples.size());
    EXPECT_EQ(std::tuple(wav[32], wav[34], wav[40]), std::tuple(1, 8, 7));  // block alignment, bits, data bytes
    const std::vector<std::uint8_t> samples(wav.begin() + 44, wav.end());
    EXPECT_EQ(samples, (std::vector<std::uint8_t>{0, 127, 128, 128, 128, 129, 255}));
}
