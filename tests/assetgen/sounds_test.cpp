// The generator's sounds: clean levels and ends, seamless loops, the same on every run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "sounds/sounds.h"

using namespace assetgen;

namespace {

const std::vector<SoundFile>& sounds() {
    static const std::vector<SoundFile> all = all_sounds();
    return all;
}

double mean_step(const std::vector<std::int16_t>& s) {
    double sum = 0;
    for (std::size_t i = 1; i < s.size(); ++i) sum += std::abs(s[i] - s[i - 1]);
    return sum / double(s.size() - 1);
}

}  // namespace

TEST(Sounds, LevelsAndEndsAreCleanLoopsSeamlessAndTheSameOnEveryRun) {
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
            EXPECT_LE(s.samples.size(), 1.5 * kSampleRate);
        }
    }
    const std::vector<SoundFile> again = all_sounds();
    ASSERT_EQ(again.size(), sounds().size());
    for (std::size_t i = 0; i < again.size(); ++i) EXPECT_EQ(again[i].samples, sounds()[i].samples) << again[i].name;
}
