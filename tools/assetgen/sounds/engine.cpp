// The motor boat's engine: exactly one second of steady firing, periodic,
// because the game restarts it each time it ends while a boat is on screen.
#include <cmath>

#include "sounds/recipes.h"

namespace assetgen::recipes {

using namespace synth;

Signal motor_boat() {
    constexpr int kFiringsPerLoop = 50;  // 50 Hz: a whole number of firings per second
    const int n = samples_for(1.0);
    const int period = n / kFiringsPerLoop;
    Noise noise(13);

    // Excitation: each firing is a short noise kick. Strengths repeat every
    // loop; every other one is weaker, for the uneven chug of a small engine.
    Signal kicks(n), churn_noise(n);
    std::vector<double> strength(kFiringsPerLoop);
    for (int k = 0; k < kFiringsPerLoop; ++k)
        strength[k] = (k % 2 ? 0.8 : 1.0) * (1 + 0.15 * std::sin(kTwoPi * 3 * k / kFiringsPerLoop)) *
                      noise.uniform(0.9, 1.1);
    for (int i = 0; i < n; ++i) {
        double since = time_of(i % period);
        kicks[i] = static_cast<float>(strength[i / period] * noise.white() * std::exp(-since / 0.002));
        churn_noise[i] = static_cast<float>(noise.white());
    }

    Biquad exhaust, muffle, churn;
    exhaust.bandpass(180, 3);
    muffle.lowpass(1200, 0.7);
    churn.bandpass(1200, 0.7);
    Signal pops = filter_periodic(kicks, [&](int, float x) { return muffle.process(exhaust.process(x)); });
    Signal water = filter_periodic(churn_noise, [&](int, float x) { return churn.process(x); });

    HarmonicOsc drone(1.2);
    Signal out(n);
    for (int i = 0; i < n; ++i) {
        double beat = std::exp(-time_of(i % period) / 0.006);
        out[i] = static_cast<float>(3.0 * pops[i] + 0.15 * drone.next(50) * (0.6 + 0.4 * beat) +
                                    0.12 * water[i] * (0.6 + 0.4 * beat));
    }
    return out;
}

}  // namespace assetgen::recipes
