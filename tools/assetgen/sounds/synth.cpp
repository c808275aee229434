#include "sounds/synth.h"

#include <algorithm>
#include <cmath>

namespace assetgen::synth {

int samples_for(double seconds) { return static_cast<int>(std::lround(seconds * kSampleRate)); }

std::uint32_t Noise::next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

double Noise::white() { return next() / 2147483648.0 - 1.0; }

double Noise::uniform(double lo, double hi) { return lo + (hi - lo) * (next() / 4294967296.0); }

double Wobble::next() {
    pos_ += rate_ / kSampleRate;
    if (pos_ >= 1) {
        pos_ -= std::floor(pos_);
        from_ = to_;
        to_ = noise_.white();
    }
    double w = 0.5 - 0.5 * std::cos(kPi * pos_);
    return from_ + (to_ - from_) * w;
}

double Phase::advance(double freq) {
    double p = phase_;
    phase_ += kTwoPi * freq / kSampleRate;
    if (phase_ >= kTwoPi) phase_ -= kTwoPi * std::floor(phase_ / kTwoPi);
    return p;
}

HarmonicOsc::HarmonicOsc(double tilt, bool odd_only, int max_harmonics) : odd_only_(odd_only) {
    for (int k = 1; k <= max_harmonics; ++k) weight_.push_back(1.0 / std::pow(k, tilt));
}

double HarmonicOsc::next(double f0) {
    // sin(k x) by the Chebyshev recurrence: one sin and one cos per sample.
    const double x = phase_;
    const double c2 = 2.0 * std::cos(x);
    double s_prev = 0, s_cur = std::sin(x), sum = 0;
    const int limit = std::min(static_cast<int>(weight_.size()), static_cast<int>(0.9 * kNyquist / f0));
    for (int k = 1; k <= limit; ++k) {
        if (!odd_only_ || (k & 1)) sum += weight_[k - 1] * s_cur;
        double s_next = c2 * s_cur - s_prev;
        s_prev = s_cur;
        s_cur = s_next;
    }
    phase_ += kTwoPi * f0 / kSampleRate;
    if (phase_ >= kTwoPi) phase_ -= kTwoPi * std::floor(phase_ / kTwoPi);
    return sum;
}

namespace {

struct Rbj {
    double cosw, alpha;
};

Rbj rbj(double freq, double q) {
    freq = std::clamp(freq, 10.0, 0.45 * kSampleRate);
    double w = kTwoPi * freq / kSampleRate;
    return {std::cos(w), std::sin(w) / (2.0 * q)};
}

}  // namespace

void Biquad::lowpass(double freq, double q) {
    Rbj r = rbj(freq, q);
    set((1 - r.cosw) / 2, 1 - r.cosw, (1 - r.cosw) / 2, 1 + r.alpha, -2 * r.cosw, 1 - r.alpha);
}

void Biquad::highpass(double freq, double q) {
    Rbj r = rbj(freq, q);
    set((1 + r.cosw) / 2, -(1 + r.cosw), (1 + r.cosw) / 2, 1 + r.alpha, -2 * r.cosw, 1 - r.alpha);
}

void Biquad::bandpass(double freq, double q) {
    Rbj r = rbj(freq, q);
    set(r.alpha, 0, -r.alpha, 1 + r.alpha, -2 * r.cosw, 1 - r.alpha);
}

void Biquad::set(double b0, double b1, double b2, double a0, double a1, double a2) {
    b0_ = b0 / a0;
    b1_ = b1 / a0;
    b2_ = b2 / a0;
    a1_ = a1 / a0;
    a2_ = a2 / a0;
}

float Biquad::process(float x) {
    double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return static_cast<float>(y);
}

Curve::Curve(std::initializer_list<std::pair<double, double>> points) : points_(points) {}

double Curve::at(double t) const {
    if (t <= points_.front().first) return points_.front().second;
    for (std::size_t i = 1; i < points_.size(); ++i) {
        const auto& [t1, v1] = points_[i];
        if (t < t1) {
            const auto& [t0, v0] = points_[i - 1];
            double w = 0.5 - 0.5 * std::cos(kPi * (t - t0) / (t1 - t0));
            return v0 + (v1 - v0) * w;
        }
    }
    return points_.back().second;
}

double hit_envelope(double t, double attack, double tau) {
    if (t < 0) return 0;
    if (t < attack) return 0.5 - 0.5 * std::cos(kPi * t / attack);
    return std::exp(-(t - attack) / tau);
}

void add_ring(Signal& out, double start, double freq, double tau, double amp, double rise) {
    const int first = std::max(0, samples_for(start));
    const int last = std::min(static_cast<int>(out.size()), first + samples_for(tau * 9));
    Phase phase;
    for (int i = first; i < last; ++i) {
        double t = time_of(i - first);
        double f = freq * std::exp(rise * t);
        if (f >= 0.95 * kNyquist) break;
        out[i] += static_cast<float>(amp * hit_envelope(t, 0.0007, tau) * std::sin(phase.advance(f)));
    }
}

void add_burst(Signal& out, Noise& noise, double start, double tau, double amp, Biquad filter) {
    const int first = std::max(0, samples_for(start));
    const int last = std::min(static_cast<int>(out.size()), first + samples_for(tau * 9));
    for (int i = first; i < last; ++i) {
        double t = time_of(i - first);
        out[i] += static_cast<float>(amp * filter.process(static_cast<float>(noise.white() * hit_envelope(t, 0.0005, tau))));
    }
}

double peak_of(const Signal& s) {
    double p = 0;
    for (float v : s) p = std::max(p, static_cast<double>(std::fabs(v)));
    return p;
}

void scale(Signal& s, double gain) {
    for (float& v : s) v = static_cast<float>(v * gain);
}

void soft_clip(Signal& s, double drive) {
    const double p = peak_of(s);
    if (p <= 0) return;
    for (float& v : s) v = static_cast<float>(std::tanh(drive * v / p));
}

namespace {

void set_peak(Signal& s, double peak_db) {
    const double p = peak_of(s);
    if (p > 0) scale(s, 32767.0 * std::pow(10.0, peak_db / 20.0) / p);
}

void fade(Signal& s, double in_ms, double out_ms) {
    const int n = static_cast<int>(s.size());
    const int in = std::min(n, samples_for(in_ms / 1000.0));
    const int out = std::min(n, samples_for(out_ms / 1000.0));
    // Raised-cosine ramps that reach exactly zero at the first and last sample.
    for (int i = 0; i < in; ++i) s[i] *= static_cast<float>(0.5 - 0.5 * std::cos(kPi * i / in));
    for (int i = 0; i < out; ++i) s[n - 1 - i] *= static_cast<float>(0.5 - 0.5 * std::cos(kPi * i / out));
}

std::vector<std::int16_t> to_pcm(const Signal& s) {
    std::vector<std::int16_t> pcm(s.size());
    for (std::size_t i = 0; i < s.size(); ++i)
        pcm[i] = static_cast<std::int16_t>(std::clamp(std::lround(s[i]), -32767L, 32767L));
    return pcm;
}

}  // namespace

std::vector<std::int16_t> finish_one_shot(Signal s, double peak_db, double fade_in_ms, double fade_out_ms) {
    fade(s, fade_in_ms, fade_out_ms);
    set_peak(s, peak_db);
    return to_pcm(s);
}

std::vector<std::int16_t> finish_loop(Signal s, double peak_db, double edge_fade_ms) {
    set_peak(s, peak_db);
    // Of the upward zero crossings within 20 ms of the start, take the one
    // with the smallest step, so the first play begins without a click.
    const int n = static_cast<int>(s.size());
    const int radius = samples_for(0.02);
    int best = 0;
    double best_step = 1e30;
    for (int d = -radius; d <= radius; ++d) {
        int i = ((d % n) + n) % n;
        float before = s[(i + n - 1) % n], here = s[i];
        if (before < 0 && here >= 0 && here - before < best_step) {
            best_step = here - before;
            best = i;
        }
    }
    std::rotate(s.begin(), s.begin() + best, s.end());
    if (edge_fade_ms > 0) fade(s, edge_fade_ms, edge_fade_ms);
    return to_pcm(s);
}

}  // namespace assetgen::synth
