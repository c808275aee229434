// Things meeting the water. A splash is a hiss of spray plus bubbles:
// short sines whose pitch climbs as they rise and burst.
#include <cmath>

#include "sounds/recipes.h"

namespace assetgen::recipes {

using namespace synth;

namespace {

// Droplets falling back: tiny rising plinks scattered over [from, to).
void add_droplets(Signal& out, Noise& noise, int count, double from, double to, double amp) {
    for (int k = 0; k < count; ++k) {
        double at = noise.uniform(from, to);
        double fade = 1 - 0.7 * (at - from) / (to - from);
        add_ring(out, at, noise.uniform(1500, 3500), noise.uniform(0.008, 0.02), amp * fade * noise.uniform(0.5, 1),
                 noise.uniform(8, 20));
    }
}

}  // namespace

Signal small_splash() {
    Signal out(samples_for(0.5));
    Noise noise(1);
    Biquad spray, grit;
    spray.bandpass(2500, 0.7);
    grit.highpass(800, 0.7);
    for (std::size_t i = 0; i < out.size(); ++i) {
        double t = time_of(static_cast<int>(i));
        double w = grit.process(static_cast<float>(noise.white()));
        double env = hit_envelope(t, 0.005, 0.07) + 0.25 * hit_envelope(t - 0.06, 0.03, 0.12);
        out[i] = static_cast<float>(1.0 * env * spray.process(static_cast<float>(w)));
    }
    add_ring(out, 0.01, 500, 0.03, 0.5, 12);
    add_ring(out, 0.09, 900, 0.02, 0.25, 14);
    add_ring(out, 0.16, 1300, 0.015, 0.15, 16);
    add_droplets(out, noise, 5, 0.08, 0.35, 0.15);
    return out;
}

Signal big_splash() {
    Signal out(samples_for(1.3));
    Noise noise(18);
    Biquad body, floor, rain;
    floor.highpass(150, 0.7);
    rain.bandpass(3000, 0.8);
    Phase thump;
    for (std::size_t i = 0; i < out.size(); ++i) {
        double t = time_of(static_cast<int>(i));
        double w = noise.white();
        // A heavy body of water thrown up: dark and falling darker...
        body.lowpass(800 + 2200 * std::exp(-t / 0.25), 0.8);
        double mass = body.process(floor.process(static_cast<float>(w))) * hit_envelope(t, 0.01, 0.25);
        // ...then the spray raining back down.
        double back = rain.process(static_cast<float>(w)) * 0.4 * hit_envelope(t - 0.2, 0.1, 0.35);
        double low = std::sin(thump.advance(40 + 35 * std::exp(-t / 0.06))) * hit_envelope(t, 0.003, 0.12);
        out[i] = static_cast<float>(mass + back + 0.8 * low);
    }
    for (int k = 0; k < 8; ++k)
        add_ring(out, noise.uniform(0.02, 0.5), noise.uniform(250, 700), noise.uniform(0.03, 0.06), 0.3, noise.uniform(6, 12));
    add_droplets(out, noise, 20, 0.3, 1.1, 0.12);
    return out;
}

Signal plink_into_water() {
    // A small metal casing: a bright inharmonic ping, then a tiny plop as it goes under.
    Signal out(samples_for(0.4));
    Noise noise(19);
    add_ring(out, 0.002, 2600, 0.06, 1.0);
    add_ring(out, 0.002, 4134, 0.045, 0.6);
    add_ring(out, 0.002, 7176, 0.025, 0.4);
    add_ring(out, 0.05, 650, 0.02, 0.5, 16);
    Biquad fizz;
    fizz.bandpass(4000, 1.0);
    add_burst(out, noise, 0.05, 0.02, 0.25, fizz);
    add_droplets(out, noise, 2, 0.09, 0.18, 0.1);
    return out;
}

}  // namespace assetgen::recipes
