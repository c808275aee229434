// Animal voices: a band-limited buzz whose pitch follows a contour, made
// rough and unsteady, then shaped by a few resonances (the throat).
#include <cmath>
#include <utility>

#include "sounds/recipes.h"

namespace assetgen::recipes {

using namespace synth;

namespace {

struct Formant {
    double freq, q, gain;
};

struct Voice {
    Voice(double seconds, Curve pitch, Curve level, std::vector<Formant> formants)
        : seconds(seconds), pitch(std::move(pitch)), level(std::move(level)), formants(std::move(formants)) {}
    double seconds;
    Curve pitch;                    // Hz over time
    Curve level;                    // 0..1 over time
    double tilt = 1.0;              // harmonic roll-off: low is harsh
    double jitter = 0.0;            // relative random pitch movement
    double vibrato_rate = 0.0, vibrato_depth = 0.0;
    double roughness = 0.0;         // growl: modulation at half the pitch
    double breath = 0.0;            // noise mixed into the source
    double dry = 0.3;               // source heard past the resonances
    std::vector<Formant> formants;
    std::uint32_t seed = 1;
};

Signal sing(const Voice& v) {
    Signal out(samples_for(v.seconds));
    HarmonicOsc buzz(v.tilt);
    Wobble jitter(v.seed, 25);
    Wobble shimmer(v.seed + 100, 90);
    Phase sub;
    Noise breath(v.seed * 7 + 3);
    std::vector<Biquad> throat(v.formants.size());
    for (std::size_t k = 0; k < throat.size(); ++k) throat[k].bandpass(v.formants[k].freq, v.formants[k].q);
    for (std::size_t i = 0; i < out.size(); ++i) {
        double t = time_of(static_cast<int>(i));
        double f0 = v.pitch.at(t) * (1 + v.jitter * jitter.next() +
                                     v.vibrato_depth * std::sin(kTwoPi * v.vibrato_rate * t));
        double src = buzz.next(f0);
        // Modulation at half the pitch puts a subharmonic under the voice,
        // and fast random amplitude flutter roughens it: together the
        // strained, rasping quality of a scream.
        src *= (1 + v.roughness * std::sin(sub.advance(0.5 * f0))) * (1 + 0.5 * v.roughness * shimmer.next());
        src += v.breath * breath.white();
        double shaped = v.dry * src;
        for (std::size_t k = 0; k < throat.size(); ++k)
            shaped += v.formants[k].gain * throat[k].process(static_cast<float>(src));
        out[i] = static_cast<float>(shaped * v.level.at(t));
    }
    return out;
}

}  // namespace

Signal pig_squeal() {
    Voice v{0.75,
            {{0, 520}, {0.09, 830}, {0.3, 900}, {0.55, 860}, {0.75, 620}},
            {{0, 0}, {0.05, 1}, {0.55, 0.85}, {0.75, 0}},
            {{1100, 5, 1.0}, {2400, 6, 0.7}, {3800, 6, 0.3}}};
    v.tilt = 1.0;
    v.jitter = 0.03;
    v.roughness = 0.35;
    v.breath = 0.15;
    v.seed = 2;
    return sing(v);
}

Signal hit_pig_squeal() {
    // Louder, higher and harsher than the plain squeal, with a catch of
    // breath in the middle: "wee-EEE".
    Voice v{1.1,
            {{0, 700}, {0.05, 1250}, {0.3, 1150}, {0.38, 900}, {0.45, 1400}, {0.85, 1300}, {1.1, 880}},
            {{0, 0}, {0.02, 1}, {0.34, 0.9}, {0.39, 0.45}, {0.45, 1}, {0.9, 0.9}, {1.1, 0}},
            {{1300, 4, 1.0}, {2800, 5, 0.8}, {4200, 5, 0.4}}};
    v.tilt = 0.7;
    v.jitter = 0.05;
    v.roughness = 0.7;
    v.breath = 0.25;
    v.seed = 15;
    return sing(v);
}

Signal falling_shriek() {
    // The pitch drops the whole way down, like the cry of something falling away.
    Voice v{1.2,
            {{0, 1850}, {0.15, 1950}, {0.6, 1200}, {1.2, 520}},
            {{0, 0}, {0.05, 1}, {0.8, 0.85}, {1.2, 0}},
            {{2200, 3, 1.0}, {3500, 4, 0.5}}};
    v.tilt = 1.4;
    v.jitter = 0.02;
    v.vibrato_rate = 7;
    v.vibrato_depth = 0.04;
    v.roughness = 0.15;
    v.breath = 0.1;
    v.seed = 3;
    return sing(v);
}

Signal squeak() {
    Voice v{0.2,
            {{0, 2600}, {0.06, 3600}, {0.2, 3000}},
            {{0, 0}, {0.015, 1}, {0.12, 0.8}, {0.2, 0}},
            {}};
    v.tilt = 2.5;
    v.jitter = 0.01;
    v.breath = 0.03;
    v.dry = 1.0;
    v.seed = 4;
    return sing(v);
}

Signal seagull() {
    // One long "kyaaa" and two shorter calls.
    Voice v{1.3,
            {{0, 1100}, {0.08, 1750}, {0.25, 1650}, {0.45, 1200}, {0.6, 1200}, {0.66, 1650}, {0.85, 1250},
             {0.95, 1150}, {1.01, 1600}, {1.2, 1200}},
            {{0, 0}, {0.03, 1}, {0.35, 0.8}, {0.45, 0}, {0.6, 0}, {0.63, 0.8}, {0.8, 0.6}, {0.85, 0},
             {0.95, 0}, {0.98, 0.7}, {1.15, 0.5}, {1.2, 0}},
            {{1900, 3, 1.0}, {3200, 4, 0.6}}};
    v.tilt = 0.9;
    v.jitter = 0.03;
    v.roughness = 0.3;
    v.breath = 0.1;
    v.seed = 14;
    return sing(v);
}

}  // namespace assetgen::recipes
