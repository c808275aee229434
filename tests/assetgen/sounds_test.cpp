// The generator's sounds: each reads back through the game's own reader as
// made, at clean levels and lengths, with seamless loops, the same on every run.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "sound/wave.h"
#include "sounds/sounds.h"

using namespace assetgen;

namespace {

const std::vector<SoundFile>& sounds() {
    static const std::vector<SoundFile> all = all_sounds();
    return all;
}

double seconds(const SoundFile& s) { return double(s.samples.size()) / kSampleRate; }

double mean_step(const std::vector<std::int16_t>& s) {
    double sum = 0;
    for (std::size_t i = 1; i < s.size(); ++i) sum += std::abs(s[i] - s[i - 1]);
    return sum / double(s.size() - 1);
}

}  // namespace

TEST(Sounds, EveryFileReadsBackThroughTheGamesReaderAsMade) {
    const std::string path = testing::TempDir() + "ferrow_sounds_" + std::to_string(getpid()) + ".wav";
    for (const SoundFile& s : sounds()) {
        SCOPED_TRACE(s.name);
        ASSERT_TRUE(!s.samples.empty());
        const std::vector<std::uint8_t> bytes = wav_bytes(s);
        std::FILE* f = std::fopen(path.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);

        std::FILE* datei = nullptr;
        platform::WAVEFORMATEX* fmt = nullptr;
        MMCKINFO riff{}, data{};
        ASSERT_EQ(WaveOpenFile(path.c_str(), &datei, &fmt, &riff), 0);
        EXPECT_EQ(fmt->wFormatTag, 1);
        EXPECT_EQ(fmt->nChannels, 1);
        EXPECT_EQ(fmt->nSamplesPerSec, 22050u);
        EXPECT_EQ(fmt->nBlockAlign, 2);
        EXPECT_EQ(fmt->wBitsPerSample, 16);
        ASSERT_EQ(WaveStartDataRead(&datei, &riff, &data), 0);
        std::vector<std::int16_t> got(s.samples.size() + 1, 0x5555);
        std::uint32_t n = 0;
        EXPECT_EQ(wavedatenlesen(datei, std::uint32_t(got.size() * 2), reinterpret_cast<std::uint8_t*>(got.data()),
                                 &data, &n), 0);
        EXPECT_EQ(n, s.samples.size() * 2);
        got.pop_back();
        EXPECT_EQ(got, s.samples);
        wavedateischliessen(&datei, &fmt);
    }
    std::remove(path.c_str());
}

TEST(Sounds, LevelsLengthsAndEndsAreCleanAndTheSameOnEveryRun) {
    const int max_peak = int(32768 * std::pow(10.0, -1.0 / 20));  // -1 dBFS
    for (const SoundFile& s : sounds()) {
        SCOPED_TRACE(s.name);
        ASSERT_GT(s.samples.size(), 100u);
        int peak = 0;
        for (std::int16_t v : s.samples) peak = std::max(peak, std::abs(int(v)));
        EXPECT_LE(peak, max_peak);
        EXPECT_GT(peak, 1000) << "practically silent";
        const int first = s.samples.front(), last = s.samples.back();
        if (s.name == "s10.wav" || s.name == "s17.wav") {
            // The loop point must look like any other step between neighbours.
            EXPECT_LE(std::abs(last - first), 2 * mean_step(s.samples));
            EXPECT_LE(std::abs(first), mean_step(s.samples)) << "first play would start with a click";
        } else {
            EXPECT_LE(std::abs(first), 64);
            EXPECT_LE(std::abs(last), 64);
            EXPECT_LE(seconds(s), 1.5);
        }
    }
    const auto& all = sounds();
    EXPECT_LT(seconds(all[0]), 0.6);                               // s0, the shot
    EXPECT_NEAR(seconds(all[12]), 1.0, 0.2);                       // s13, the engine
    EXPECT_TRUE(seconds(all[10]) >= 8 && seconds(all[10]) <= 15);  // s10
    EXPECT_TRUE(seconds(all[16]) >= 8 && seconds(all[16]) <= 20);  // s17

    const std::vector<SoundFile> again = all_sounds();
    ASSERT_EQ(again.size(), all.size());
    for (std::size_t i = 0; i < again.size(); ++i) EXPECT_EQ(again[i].samples, all[i].samples) << again[i].name;
}
