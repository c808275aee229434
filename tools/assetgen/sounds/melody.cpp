// The tune under the whole game: eight bars at 126 beats a minute in C
// major (C Am Dm G C Am F G), mallet lead over an oom-pah of bass and soft
// chords. Notes are written into the loop modulo its length, so tails at
// the end ring on into the start and the loop has no seam.
#include <cmath>

#include "sounds/recipes.h"

namespace assetgen::recipes {

using namespace synth;

namespace {

constexpr int kEighth = 5250;             // samples: 126 beats a minute at 22050 Hz
constexpr int kBars = 8, kEighthsPerBar = 8;
constexpr int kLoop = kBars * kEighthsPerBar * kEighth;

double midi_hz(int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

struct Partial {
    double ratio, amp, tau;
};

// Adds one note of a simple additive instrument at eighth `at`, held for
// `length` eighths (then released), wrapping past the loop's end.
void play(Signal& loop, int at, int length, int note, double amp, const std::vector<Partial>& partials,
          double attack) {
    const double f = midi_hz(note);
    const double held = time_of(length * kEighth);
    const double release = 0.05;
    const int samples = length * kEighth + samples_for(release);
    for (int i = 0; i < samples; ++i) {
        double t = time_of(i);
        double env = std::min(1.0, t / attack);
        if (t > held) env *= 1 - (t - held) / release;
        double x = 0;
        for (const Partial& p : partials)
            if (p.ratio * f < 0.9 * kNyquist) x += p.amp * std::exp(-t / p.tau) * std::sin(kTwoPi * p.ratio * f * t);
        loop[(at * kEighth + i) % kLoop] += static_cast<float>(amp * env * x);
    }
}

// Mallet: the fourth partial of a tuned bar gives the wooden "tok".
const std::vector<Partial> kMallet = {{1, 1.0, 0.45}, {4, 0.25, 0.06}, {10, 0.06, 0.015}};
const std::vector<Partial> kBass = {{1, 1.0, 0.5}, {2, 0.3, 0.3}, {3, 0.1, 0.2}};
const std::vector<Partial> kKeys = {{1, 1.0, 0.25}, {2, 0.4, 0.15}, {3, 0.15, 0.1}};

struct Note {
    int note, length;  // note 0: rest
};

// The lead, bar by bar (MIDI numbers, lengths in eighths).
const std::vector<Note> kTune = {
    {76, 1}, {79, 1}, {84, 2}, {83, 1}, {84, 1}, {86, 1}, {88, 1},   // C
    {84, 2}, {81, 2}, {76, 1}, {81, 1}, {84, 2},                     // Am
    {86, 1}, {84, 1}, {81, 1}, {77, 1}, {81, 2}, {86, 2},            // Dm
    {83, 2}, {79, 1}, {81, 1}, {83, 1}, {86, 1}, {79, 2},            // G
    {88, 2}, {86, 1}, {84, 1}, {79, 2}, {84, 1}, {88, 1},            // C
    {88, 1}, {86, 1}, {84, 1}, {81, 1}, {76, 2}, {81, 2},            // Am
    {77, 1}, {81, 1}, {84, 1}, {89, 1}, {88, 2}, {84, 2},            // F
    {86, 2}, {83, 1}, {81, 1}, {79, 2}, {0, 2},                      // G, a breath before the top
};

struct Chord {
    int root;            // bass root (octave 2-3)
    int fifth;           // bass fifth
    int triad[3];        // chord tones around middle C
};

const Chord kChords[kBars] = {
    {48, 55, {60, 64, 67}}, {45, 52, {57, 60, 64}}, {50, 57, {57, 62, 65}}, {43, 50, {55, 59, 62}},
    {48, 55, {60, 64, 67}}, {45, 52, {57, 60, 64}}, {41, 48, {57, 60, 65}}, {43, 50, {55, 59, 62}},
};

// A very soft shaker on the eighths keeps the tune moving.
void add_shaker(Signal& loop) {
    Noise noise(17);
    Biquad bright;
    bright.highpass(6000, 0.7);
    for (int e = 0; e < kBars * kEighthsPerBar; ++e) {
        double amp = e % 2 ? 0.05 : 0.03;  // lean on the off-beats
        for (int i = 0; i < samples_for(0.06); ++i) {
            double x = bright.process(static_cast<float>(noise.white())) * hit_envelope(time_of(i), 0.004, 0.015);
            loop[(e * kEighth + i) % kLoop] += static_cast<float>(amp * x);
        }
    }
}

}  // namespace

Signal melody() {
    Signal loop(kLoop);
    int at = 0;
    for (const Note& n : kTune) {
        if (n.note) play(loop, at, n.length, n.note, 0.5, kMallet, 0.002);
        at += n.length;
    }
    for (int bar = 0; bar < kBars; ++bar) {
        const Chord& c = kChords[bar];
        const int top = bar * kEighthsPerBar;
        play(loop, top, 2, c.root, 0.35, kBass, 0.006);       // oom
        play(loop, top + 4, 2, c.fifth, 0.3, kBass, 0.006);   // oom
        for (int beat : {2, 6})                                // pah
            for (int tone : c.triad) play(loop, top + beat, 1, tone, 0.12, kKeys, 0.005);
    }
    add_shaker(loop);
    return loop;
}

}  // namespace assetgen::recipes
