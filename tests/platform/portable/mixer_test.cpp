#include <gtest/gtest.h>

#include <vector>

#include "platform/portable/mixer.h"

using platform::Mixer;
using Samples = std::vector<std::int16_t>;

namespace {

Samples mix(Mixer& mixer, std::size_t frames) {
    Samples out(frames * std::size_t(mixer.channels()), 12345);
    mixer.Mix(out.data(), frames);
    return out;
}

}  // namespace

TEST(Mixer, OneShotsEndWithoutRepeatingRestartFromTheBeginningAndSumSaturating) {
    Mixer mixer(1);
    const Samples sound = {1, 2, 3};
    const int voice = mixer.Attach(sound.data(), sound.size());
    EXPECT_EQ(mix(mixer, 2), (Samples{0, 0}));

    mixer.Play(voice, false);
    EXPECT_TRUE(mixer.Playing(voice));
    EXPECT_EQ(mix(mixer, 5), (Samples{1, 2, 3, 0, 0}));
    EXPECT_FALSE(mixer.Playing(voice));
    // Played again after its end, it starts from the beginning.
    mixer.Play(voice, false);
    EXPECT_EQ(mix(mixer, 2), (Samples{1, 2}));
    // One voice per sound: a restart cuts the first run off, nothing doubles.
    mixer.SetPosition(voice, 0);
    mixer.Play(voice, false);
    EXPECT_EQ(mix(mixer, 4), (Samples{1, 2, 3, 0}));

    // Voices add up and saturate at full scale.
    const Samples loud = {30000, -30000, 32767, -32768, 1000};
    const Samples also = {30000, -30000, 32767, -32768, -3000};
    for (const Samples* s : {&loud, &also}) mixer.Play(mixer.Attach(s->data(), s->size()), false);
    EXPECT_EQ(mix(mixer, 5), (Samples{32767, -32768, 32767, -32768, -2000}));
}

TEST(Mixer, LoopWrapsWithoutAGapUntilStopped) {
    Mixer mixer(2);
    const Samples sound = {1, -1, 2, -2, 3, -3};
    const int voice = mixer.Attach(sound.data(), 3);
    mixer.Play(voice, true);
    EXPECT_EQ(mix(mixer, 7), (Samples{1, -1, 2, -2, 3, -3, 1, -1, 2, -2, 3, -3, 1, -1}));

    mixer.Stop(voice);
    EXPECT_FALSE(mixer.Playing(voice) || mixer.Looping(voice));
    EXPECT_EQ(mix(mixer, 1), (Samples{0, 0}));
    // Stop holds the place; going on continues the loop from there.
    mixer.Play(voice, true);
    EXPECT_EQ(mix(mixer, 2), (Samples{2, -2, 3, -3}));
}

TEST(Mixer, TwentyVoicesAndAbsentOrEmptyOnesNeverPlay) {
    Mixer mixer(1);
    const std::int16_t sample = 7;
    std::vector<int> voices;
    for (int i = 0; i < Mixer::kVoices; ++i) voices.push_back(mixer.Attach(&sample, 1));
    EXPECT_EQ(mixer.Attach(&sample, 1), -1);

    mixer.Detach(voices[4]);
    for (int voice : {voices[4], -1, Mixer::kVoices, 99}) {
        mixer.Play(voice, true);
        mixer.Stop(voice);
        EXPECT_FALSE(mixer.Playing(voice)) << voice;
    }
    // A freed voice is handed out again, stopped.
    const int again = mixer.Attach(nullptr, 0);
    EXPECT_EQ(again, voices[4]);
    // With no samples a loop would spin for ever: it does not start.
    mixer.Play(again, true);
    EXPECT_FALSE(mixer.Playing(again));
    EXPECT_EQ(mix(mixer, 1), (Samples{0}));

    // Samples swapped in while playing: a place past their end starts over.
    const Samples longer = {1, 2, 3, 4};
    mixer.Replace(again, longer.data(), longer.size());
    mixer.SetPosition(again, 3);
    mixer.Play(again, false);
    const Samples shorter = {9, 8};
    mixer.Replace(again, shorter.data(), shorter.size());
    EXPECT_EQ(mix(mixer, 3), (Samples{9, 8, 0}));
}
