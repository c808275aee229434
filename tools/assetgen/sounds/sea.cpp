// The sea and wind under the whole game: a 12 s loop. Every part is
// periodic in the loop length (wave shapes wrap around, slow movements
// make whole cycles, filters settle over a first pass), so the end runs
// straight into the start.
#include <cmath>

#include "sounds/recipes.h"

namespace assetgen::recipes {

using namespace synth;

namespace {

constexpr double kLoopSeconds = 12.0;

struct Wave {
    double at, strength;
};

// Waves rolling in; the loop starts in a lull so its first play fades up naturally.
constexpr Wave kWaves[] = {{0.9, 0.9}, {3.7, 1.0}, {6.4, 0.8}, {9.5, 1.0}};

double swell(double t) {
    double e = 0.25;  // the constant murmur of the sea
    for (const Wave& w : kWaves) {
        double since = std::fmod(t - w.at + kLoopSeconds, kLoopSeconds);
        e += w.strength * hit_envelope(since, 1.1, 1.3);
    }
    return e;
}

double cycle(double t, int times, double offset) { return std::sin(kTwoPi * times * t / kLoopSeconds + offset); }

Signal white(std::uint32_t seed, int n) {
    Noise noise(seed);
    Signal s(n);
    for (float& v : s) v = static_cast<float>(noise.white());
    return s;
}

}  // namespace

Signal sea_and_wind() {
    const int n = samples_for(kLoopSeconds);
    std::vector<double> e(n);
    for (int i = 0; i < n; ++i) e[i] = swell(time_of(i));

    // Surf: the wash of each wave opens the filter, and foam hisses at the top.
    Biquad wash, foam;
    foam.bandpass(3000, 0.5);
    Signal surf = filter_periodic(white(10, n), [&](int i, float x) {
        wash.lowpass(350 + 1400 * e[i], 0.6);
        double washed = wash.process(x);
        double hiss = foam.process(x);
        return static_cast<float>(e[i] * washed + 0.3 * e[i] * e[i] * hiss);
    });

    // Wind: a narrow band whose centre and strength drift in slow cycles,
    // over a low rumble.
    Biquad whistle, rumble;
    rumble.lowpass(200, 0.7);
    Signal wind = filter_periodic(white(11, n), [&](int i, float x) {
        double t = time_of(i);
        whistle.bandpass(550 + 250 * cycle(t, 2, 0.7) + 120 * cycle(t, 5, 2.1), 4);
        double gust = 0.35 + 0.15 * cycle(t, 3, 4.0) + 0.06 * cycle(t, 7, 1.3);
        return static_cast<float>(gust * 2.0 * whistle.process(x) + 0.3 * rumble.process(x));
    });

    Signal out(n);
    for (int i = 0; i < n; ++i) out[i] = surf[i] + 0.6f * wind[i];
    return out;
}

}  // namespace assetgen::recipes
