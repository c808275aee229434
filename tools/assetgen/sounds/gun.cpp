// The gun: the shot, the dry click of an empty magazine, the reload.
#include <cmath>

#include "sounds/recipes.h"

namespace assetgen::recipes {

using namespace synth;

Signal shot() {
    Signal out(samples_for(0.55));
    Noise noise(100);
    Biquad blast_tone, tail_tone, echo_tone;
    Phase boom;
    for (std::size_t i = 0; i < out.size(); ++i) {
        double t = time_of(static_cast<int>(i));
        double w = noise.white();
        // The muzzle blast darkens as it spreads: sweep its lowpass down.
        blast_tone.lowpass(600 + 2400 * std::exp(-t / 0.04), 0.7);
        tail_tone.lowpass(300 + 500 * std::exp(-t / 0.15), 0.7);
        double crack = w * std::exp(-t / 0.003);
        double blast = blast_tone.process(static_cast<float>(w)) * hit_envelope(t, 0.001, 0.035);
        double body = std::sin(boom.advance(45 + 110 * std::exp(-t / 0.05))) * hit_envelope(t, 0.002, 0.09);
        double tail = tail_tone.process(static_cast<float>(w)) * hit_envelope(t, 0.03, 0.14);
        out[i] = static_cast<float>(0.6 * crack + blast + 0.9 * body + 0.7 * tail);
    }
    // A faint, darker echo off the far shore.
    Signal echo(out.size());
    echo_tone.lowpass(900, 0.7);
    const int delay = samples_for(0.13);
    for (std::size_t i = delay; i < out.size(); ++i) echo[i] = 0.25f * echo_tone.process(out[i - delay]);
    for (std::size_t i = 0; i < out.size(); ++i) out[i] += echo[i];
    soft_clip(out, 1.8);  // hard, compressed bang
    return out;
}

Signal empty_click() {
    // The hammer falls on nothing: a sharp tick and a smaller rebound, no tail.
    Signal out(samples_for(0.08));
    Noise noise(5);
    Biquad bright, mid;
    bright.highpass(1500, 0.7);
    mid.bandpass(2000, 1.0);
    add_burst(out, noise, 0.002, 0.0015, 1.0, bright);
    add_ring(out, 0.002, 3400, 0.006, 0.5);
    add_ring(out, 0.002, 5200, 0.004, 0.3);
    add_burst(out, noise, 0.014, 0.002, 0.5, mid);
    add_ring(out, 0.014, 2100, 0.01, 0.35);
    return out;
}

namespace {

// One mechanical clack: a metal-on-metal hit with a quick rebound, a few
// short-lived resonances of the action and a knock of the stock.
void clack(Signal& out, Noise& noise, double start, double pitch, double weight) {
    Biquad hit, rebound;
    hit.bandpass(2500 * pitch, 0.8);
    rebound.bandpass(3200 * pitch, 1.2);
    add_burst(out, noise, start, 0.003, weight, hit);
    add_burst(out, noise, start + 0.018, 0.002, 0.45 * weight, rebound);
    add_ring(out, start, 1300 * pitch, 0.03, 0.4 * weight);
    add_ring(out, start, 2750 * pitch, 0.02, 0.3 * weight);
    add_ring(out, start, 4300 * pitch, 0.012, 0.2 * weight);
    add_ring(out, start, 180 * pitch, 0.025, 0.5 * weight);
}

}  // namespace

Signal reload() {
    Signal out(samples_for(0.6));
    Noise noise(6);
    // Draw back, then push home: the second clack lower and heavier.
    clack(out, noise, 0.03, 1.0, 0.8);
    clack(out, noise, 0.32, 0.85, 1.0);
    return out;
}

}  // namespace assetgen::recipes
