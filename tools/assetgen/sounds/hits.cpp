// What a shot does to the targets: thud and ricochet, buzzer, poof,
// the wooden crash with a honk, and the clock tick of the countdown.
#include <algorithm>
#include <cmath>

#include "sounds/recipes.h"

namespace assetgen::recipes {

using namespace synth;

Signal thud_ricochet() {
    Signal out(samples_for(0.85));
    Noise noise(7);
    Biquad dull, crack;
    dull.lowpass(400, 0.7);
    crack.lowpass(2000, 0.7);
    Phase thud, whine;
    Wobble waver(77, 9);
    for (std::size_t i = 0; i < out.size(); ++i) {
        double t = time_of(static_cast<int>(i));
        double w = noise.white();
        double body = std::sin(thud.advance(50 + 45 * std::exp(-t / 0.05))) * hit_envelope(t, 0.002, 0.1);
        double dirt = dull.process(static_cast<float>(w)) * hit_envelope(t, 0.001, 0.04);
        double snap = crack.process(static_cast<float>(w)) * hit_envelope(t, 0.0005, 0.003);
        // The bullet glances off and whines away, falling in pitch as it leaves.
        double r = t - 0.03;
        double ricochet = 0;
        if (r > 0) {
            double f = (1500 + 2100 * std::exp(-r / 0.25)) * (1 + 0.015 * waver.next());
            double p = whine.advance(f);
            ricochet = (std::sin(p) + 0.2 * std::sin(2 * p)) * hit_envelope(r, 0.02, 0.22);
        }
        out[i] = static_cast<float>(body + 0.8 * dirt + 0.3 * snap + 0.45 * ricochet);
    }
    return out;
}

Signal buzzer() {
    // Two slightly detuned square-ish tones beat against each other: a
    // harsh, unmistakable "wrong".
    Signal out(samples_for(0.6));
    HarmonicOsc a(1.0, true), b(1.0, true);
    Biquad body;
    body.lowpass(3500, 0.7);
    for (std::size_t i = 0; i < out.size(); ++i) {
        double x = a.next(110) + 0.7 * b.next(116.5);
        out[i] = static_cast<float>(std::tanh(1.5 * body.process(static_cast<float>(x))));
    }
    return out;
}

Signal poof() {
    // A soft puff of air: dark noise with a gentle start, falling darker.
    Signal out(samples_for(0.45));
    Noise noise(9);
    Biquad puff;
    Phase low;
    Curve cutoff{{0, 1800}, {0.05, 1200}, {0.4, 300}};
    for (std::size_t i = 0; i < out.size(); ++i) {
        double t = time_of(static_cast<int>(i));
        puff.lowpass(cutoff.at(t), 0.7);
        double air = puff.process(static_cast<float>(noise.white())) * hit_envelope(t, 0.02, 0.11);
        double body = std::sin(low.advance(80 + 50 * std::exp(-t / 0.05))) * hit_envelope(t, 0.015, 0.06);
        out[i] = static_cast<float>(air + 0.2 * body);
    }
    return out;
}

Signal wood_crash_honk() {
    Signal out(samples_for(0.9));
    Noise noise(11);
    // The crash: one big splintering hit, then boards knocking and
    // cracking, fewer and softer.
    Biquad smash;
    smash.lowpass(3000, 0.7);
    add_burst(out, noise, 0.0, 0.06, 1.0, smash);
    add_ring(out, 0.0, 80, 0.08, 0.8);
    double t = 0.015;
    for (int k = 0; k < 11; ++k) {
        double amp = 0.8 * std::exp(-t / 0.2);
        double f = noise.uniform(250, 900);
        Biquad board;
        board.bandpass(f, 4);
        add_burst(out, noise, t, noise.uniform(0.004, 0.008), 1.5 * amp, board);
        add_ring(out, t, f, noise.uniform(0.04, 0.08), 0.5 * amp);
        add_ring(out, t, f * 2.3, 0.03, 0.25 * amp);
        t += noise.uniform(0.025, 0.06);
    }
    for (int k = 0; k < 40; ++k) {
        double at = noise.uniform(0, 0.4);
        Biquad splinter;
        splinter.highpass(2000, 0.7);
        add_burst(out, noise, at, 0.0015, 0.5 * std::exp(-at / 0.15), splinter);
    }
    // The honk: a two-tone horn squeezed once, sagging a little at the end.
    // Band-limited tones through a nasal resonance; no clipping, which
    // would fold harmonics back down as hiss.
    HarmonicOsc low(0.9), high(0.9);
    Biquad nasal;
    nasal.bandpass(1400, 2);
    const double start = 0.18, length = 0.42;
    Curve sag{{0, 1}, {length - 0.12, 1}, {length, 0.93}};
    for (int i = samples_for(start); i < samples_for(start + length); ++i) {
        double h = time_of(i) - start;
        double env = std::min(1.0, h / 0.02) * std::min(1.0, (length - h) / 0.05);
        double x = low.next(392 * sag.at(h)) + high.next(494 * sag.at(h));
        out[i] += static_cast<float>(0.3 * env * (0.3 * x + 1.5 * nasal.process(static_cast<float>(x))));
    }
    return out;
}

Signal clock_tick() {
    // A small, bright, pitched tick over a tiny wooden body.
    Signal out(samples_for(0.06));
    Noise noise(16);
    Biquad edge;
    edge.highpass(2000, 0.7);
    add_burst(out, noise, 0.001, 0.0008, 0.6, edge);
    add_ring(out, 0.001, 2900, 0.008, 1.0);
    add_ring(out, 0.001, 4700, 0.005, 0.5);
    add_ring(out, 0.001, 1250, 0.012, 0.3);
    return out;
}

}  // namespace assetgen::recipes
