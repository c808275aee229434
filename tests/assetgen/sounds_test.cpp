#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "sounds/sounds.h"
#include "sounds/synth.h"

using namespace assetgen;

namespace {

const std::vector<SoundFile>& sounds() {
    static const std::vector<SoundFile> all = all_sounds();
    return all;
}

std::uint32_t le32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
unsigned le16(const std::vector<std::uint8_t>& b, std::size_t at) { return b[at] | b[at + 1] << 8; }
bool tag_at(const std::vector<std::uint8_t>& b, std::size_t at, const char* tag) {
    return b.size() >= at + 4 && std::memcmp(&b[at], tag, 4) == 0;
}

bool is_loop(const std::string& name) { return name == "s10.wav" || name == "s17.wav"; }

double seconds(const SoundFile& s) { return static_cast<double>(s.samples.size()) / kSampleRate; }

double mean_step(const std::vector<std::int16_t>& s) {
    double sum = 0;
    for (std::size_t i = 1; i < s.size(); ++i) sum += std::abs(s[i] - s[i - 1]);
    return sum / (s.size() - 1);
}

}  // namespace

TEST(Sounds, AreTheNineteenFilesOfTheSlots) {
    std::vector<std::string> names;
    for (const SoundFile& s : sounds()) names.push_back(s.name);
    std::vector<std::string> expected;
    for (int n = 0; n <= 19; ++n)
        if (n != 12) expected.push_back("s" + std::to_string(n) + ".wav");
    EXPECT_EQ(names, expected);
}

TEST(Sounds, WavBytesAreLittleEndianPcm) {
    const std::vector<std::uint8_t> b = wav_bytes({"x.wav", {1, -2}});
    const std::vector<std::uint8_t> expected_data = {'d', 'a', 't', 'a', 4, 0, 0, 0, 0x01, 0x00, 0xFE, 0xFF};
    ASSERT_EQ(b.size(), 48u);
    EXPECT_TRUE(std::equal(expected_data.begin(), expected_data.end(), b.end() - 12));
}

// Walks the chunks the way a RIFF reader does: the first chunk must be
// RIFF/WAVE, and "fmt " and "data" are found among its sub-chunks.
TEST(Sounds, EveryFileIsPlainMonoPcmWave) {
    for (const SoundFile& s : sounds()) {
        SCOPED_TRACE(s.name);
        const std::vector<std::uint8_t> b = wav_bytes(s);
        ASSERT_GE(b.size(), 12u);
        ASSERT_TRUE(tag_at(b, 0, "RIFF"));
        ASSERT_TRUE(tag_at(b, 8, "WAVE"));
        EXPECT_EQ(le32(b, 4), b.size() - 8);
        bool fmt = false, data = false;
        for (std::size_t at = 12; at + 8 <= b.size();) {
            const std::uint32_t size = le32(b, at + 4);
            ASSERT_LE(at + 8 + size, b.size()) << "chunk overruns the file";
            if (tag_at(b, at, "fmt ")) {
                fmt = true;
                EXPECT_EQ(size, 16u);
                EXPECT_EQ(le16(b, at + 8), 1u);        // PCM
                EXPECT_EQ(le16(b, at + 10), 1u);       // mono
                EXPECT_EQ(le32(b, at + 12), 22050u);
                EXPECT_EQ(le32(b, at + 16), 44100u);   // bytes per second
                EXPECT_EQ(le16(b, at + 20), 2u);       // block align
                EXPECT_EQ(le16(b, at + 22), 16u);
            } else if (tag_at(b, at, "data")) {
                data = true;
                ASSERT_EQ(size, s.samples.size() * 2);
                for (std::size_t i = 0; i < s.samples.size(); i += 997)
                    ASSERT_EQ(static_cast<std::int16_t>(le16(b, at + 8 + 2 * i)), s.samples[i]);
            }
            at += 8 + size + (size & 1);
        }
        EXPECT_TRUE(fmt);
        EXPECT_TRUE(data);
    }
}

TEST(Sounds, LevelsLengthsAndEndsAreClean) {
    const int max_peak = static_cast<int>(32768 * std::pow(10.0, -1.0 / 20));  // -1 dBFS
    for (const SoundFile& s : sounds()) {
        SCOPED_TRACE(s.name);
        ASSERT_GT(s.samples.size(), 100u);
        int peak = 0;
        for (std::int16_t v : s.samples) peak = std::max(peak, std::abs(static_cast<int>(v)));
        EXPECT_LE(peak, max_peak);
        EXPECT_GT(peak, 1000) << "practically silent";
        const int first = s.samples.front(), last = s.samples.back();
        if (is_loop(s.name)) {
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
    EXPECT_LT(seconds(all[0]), 0.6);                                       // s0, the shot
    EXPECT_NEAR(seconds(all[12]), 1.0, 0.2);                               // s13, the engine
    EXPECT_TRUE(seconds(all[10]) >= 8 && seconds(all[10]) <= 15);          // s10
    EXPECT_TRUE(seconds(all[16]) >= 8 && seconds(all[16]) <= 20);          // s17
}

TEST(Sounds, AreTheSameOnEveryRunAndListed) {
    const std::vector<SoundFile> again = all_sounds();
    ASSERT_EQ(again.size(), sounds().size());
    for (std::size_t i = 0; i < again.size(); ++i) EXPECT_EQ(wav_bytes(again[i]), wav_bytes(sounds()[i])) << again[i].name;

    const std::string listing = sound_listing(sounds());
    EXPECT_EQ(std::count(listing.begin(), listing.end(), '\n'), 19);
    EXPECT_NE(listing.find("s0.wav"), std::string::npos);
    EXPECT_NE(listing.find("dBFS"), std::string::npos);
}

// The synthesis kit, where a fault would not show in the file checks above.

namespace {

using synth::Signal;

Signal sine(int n, double cycles, double phase) {
    Signal s(n);
    for (int i = 0; i < n; ++i) s[i] = static_cast<float>(std::sin(synth::kTwoPi * cycles * i / n + phase));
    return s;
}

double rms(const Signal& s, std::size_t from) {
    double sum = 0;
    for (std::size_t i = from; i < s.size(); ++i) sum += s[i] * s[i];
    return std::sqrt(sum / (s.size() - from));
}

}  // namespace

namespace {

// Gain of a fresh filter (taken by value) on a steady sine, after settling.
double gain(synth::Biquad f, double freq) {
    const Signal in = sine(kSampleRate, freq, 0);
    Signal out(in.size());
    for (std::size_t i = 0; i < in.size(); ++i) out[i] = f.process(in[i]);
    return rms(out, 2000) / std::sqrt(0.5);
}

}  // namespace

TEST(SynthKit, FiltersPassAndStopWhereTheyShould) {
    synth::Biquad low, band, high;
    low.lowpass(500, 0.707);
    band.bandpass(1000, 2);
    high.highpass(2000, 0.707);
    EXPECT_NEAR(gain(low, 100), 1.0, 0.04);
    EXPECT_NEAR(gain(band, 1000), 1.0, 0.04);
    EXPECT_NEAR(gain(high, 8000), 1.0, 0.04);
    EXPECT_LT(gain(low, 8000), 0.02);
    EXPECT_LT(gain(band, 100), 0.1);
    EXPECT_LT(gain(high, 100), 0.01);
}

TEST(SynthKit, HarmonicOscillatorStaysBelowNyquist) {
    // At 6 kHz only the fundamental fits below the Nyquist limit: the
    // buzz must collapse to a pure unit sine, not fold harmonics down.
    synth::HarmonicOsc osc(1.0);
    double peak = 0, off_sine = 0;
    for (int i = 0; i < 2205; ++i) {
        double expected = std::sin(synth::kTwoPi * 6000.0 * i / kSampleRate);
        double x = osc.next(6000);
        peak = std::max(peak, std::fabs(x));
        off_sine = std::max(off_sine, std::fabs(x - expected));
    }
    EXPECT_NEAR(peak, 1.0, 0.01);
    EXPECT_LT(off_sine, 1e-6);
}

TEST(SynthKit, PeriodicFilteringAndLoopFinishingKeepTheSeam) {
    // A resonant filter over periodic noise: after the settling pass the
    // output must equal what a filter running on forever gives, so the
    // loop's end leads straight into its start.
    const int n = 4000;
    synth::Noise noise(42);
    Signal in(n);
    for (float& v : in) v = static_cast<float>(noise.white());
    synth::Biquad f;
    f.bandpass(700, 5);
    Signal looped = synth::filter_periodic(in, [&](int, float x) { return f.process(x); });
    synth::Biquad g;
    g.bandpass(700, 5);
    Signal forever(3 * n);
    for (int i = 0; i < 3 * n; ++i) forever[i] = g.process(in[i % n]);
    for (int i = 0; i < n; i += 37) ASSERT_NEAR(looped[i], forever[2 * n + i], 1e-4) << i;

    // Finishing a whole number of sine cycles: a pure rotation to an
    // upward zero crossing, at the asked peak.
    const std::vector<std::int16_t> pcm = synth::finish_loop(sine(n, 5, 1.0), -6);
    const double peak = 32767 * std::pow(10.0, -6 / 20.0);
    EXPECT_LE(pcm.back(), 0);
    EXPECT_GE(pcm.front(), 0);
    EXPECT_LE(pcm.front() - pcm.back(), peak * synth::kTwoPi * 5 / n + 2);
    int max = 0;
    for (std::int16_t v : pcm) max = std::max(max, std::abs(static_cast<int>(v)));
    EXPECT_NEAR(max, peak, 2);
}

TEST(SynthKit, OneShotsEndInSilenceAndNoiseRepeatsPerSeed) {
    const std::vector<std::int16_t> pcm = synth::finish_one_shot(sine(1000, 20, 1.0), -3, 2, 5);
    EXPECT_EQ(pcm.front(), 0);
    EXPECT_EQ(pcm.back(), 0);

    synth::Noise a(7), b(7), c(8);
    bool differs = false;
    for (int i = 0; i < 1000; ++i) {
        double x = a.white();
        ASSERT_EQ(x, b.white());
        ASSERT_TRUE(x >= -1 && x < 1);
        differs |= x != c.white();
    }
    EXPECT_TRUE(differs);
}
