// A small synthesis kit for the generator's sounds: time helpers, a
// fixed-seed noise source, oscillators, filters, envelopes and the
// finishing steps that turn a float signal into 16-bit samples.
#pragma once
#include <cstdint>
#include <utility>
#include <vector>

#include "sounds/sounds.h"

namespace assetgen::synth {

// Signals are mono floats at kSampleRate; their scale is free until
// finish_* normalizes them.
using Signal = std::vector<float>;

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;
constexpr double kNyquist = kSampleRate / 2.0;

int samples_for(double seconds);
inline double time_of(int index) { return static_cast<double>(index) / kSampleRate; }

// xorshift32: the same sequence on every platform and run, so every
// sound is byte-identical from build to build.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}
    std::uint32_t next();
    double white();                          // uniform in [-1, 1)
    double uniform(double lo, double hi);
private:
    std::uint32_t state_;
};

// Slow random movement in [-1, 1]: new random targets `rate` times a
// second, joined smoothly. Used for pitch jitter and gusts.
class Wobble {
public:
    Wobble(std::uint32_t seed, double rate) : noise_(seed), rate_(rate) {}
    double next();
private:
    Noise noise_;
    double rate_;
    double from_ = 0, to_ = 0, pos_ = 1;
};

// Phase accumulator, so frequency may change every sample without jumps.
class Phase {
public:
    double advance(double freq);             // returns the phase (radians) before stepping
private:
    double phase_ = 0;
};

// Sum of harmonics of f0 below the Nyquist limit, amplitude 1/k^tilt:
// tilt 1 is a sawtooth-like buzz, larger is mellower. Band-limited so
// high voices don't alias.
class HarmonicOsc {
public:
    explicit HarmonicOsc(double tilt, bool odd_only = false, int max_harmonics = 40);
    double next(double f0);
private:
    std::vector<double> weight_;
    bool odd_only_;
    double phase_ = 0;
};

// Second-order filter (RBJ cookbook forms). Coefficients can be changed
// between samples without resetting the state, for sweeps.
class Biquad {
public:
    void lowpass(double freq, double q);
    void highpass(double freq, double q);
    void bandpass(double freq, double q);   // 0 dB at the centre
    float process(float x);
private:
    void set(double b0, double b1, double b2, double a0, double a1, double a2);
    double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// Breakpoints joined by cosine segments: pitch contours and level shapes
// that move without corners. Held flat outside the first and last point.
class Curve {
public:
    Curve(std::initializer_list<std::pair<double, double>> points);
    double at(double t) const;
private:
    std::vector<std::pair<double, double>> points_;
};

// Rise over `attack` seconds (smooth), then fall exponentially with time
// constant `tau`. Zero before t = 0.
double hit_envelope(double t, double attack, double tau);

// A decaying sine started at `start` seconds: modes of struck things,
// bubbles (with `rise` > 0 the pitch climbs as exp(rise * t)).
void add_ring(Signal& out, double start, double freq, double tau, double amp, double rise = 0);

// Filtered noise burst started at `start`.
void add_burst(Signal& out, Noise& noise, double start, double tau, double amp, Biquad filter);

// Runs `step(i, x)` over a periodic signal twice and keeps the second pass,
// so filter state at the end matches the start and the result loops cleanly.
template <class Step>
Signal filter_periodic(const Signal& in, Step step) {
    Signal out(in.size());
    for (int pass = 0; pass < 2; ++pass)
        for (std::size_t i = 0; i < in.size(); ++i) out[i] = step(static_cast<int>(i), in[i]);
    return out;
}

double peak_of(const Signal& s);
void scale(Signal& s, double gain);
void soft_clip(Signal& s, double drive);

// Finishing: fade the ends to zero (raised cosine), set the peak, round.
std::vector<std::int16_t> finish_one_shot(Signal s, double peak_db, double fade_in_ms, double fade_out_ms);
// For a periodic signal: set the peak, start at an upward zero crossing near
// index 0 (rotation keeps it periodic), so the first play starts silently too.
// A sound that is restarted rather than looped also gets `edge_fade_ms`
// fades, so end and start both sit at zero.
std::vector<std::int16_t> finish_loop(Signal s, double peak_db, double edge_fade_ms = 0);

}  // namespace assetgen::synth
