// The table of the game's sounds: which recipe makes each file, how loud
// it is and how its ends are finished.
#include "sounds/sounds.h"

#include "sounds/recipes.h"

namespace assetgen {

namespace {

enum class Ends {
    kFaded,      // one-shot: short fades to silence at both ends
    kLooped,     // played looping: periodic, starts at a zero crossing
    kRestarted,  // periodic and restarted when it ends: also faded at the seam
};

struct Entry {
    const char* name;
    synth::Signal (*make)();
    Ends ends;
    double peak_db;      // ambience and music sit well below the effects
    double fade_out_ms;  // for kFaded; the fade in is always short
};

// Slot 12 has no file.
const Entry kSounds[] = {
    {"s0.wav", recipes::shot, Ends::kFaded, -1.5, 20},
    {"s1.wav", recipes::small_splash, Ends::kFaded, -3, 30},
    {"s2.wav", recipes::pig_squeal, Ends::kFaded, -2, 20},
    {"s3.wav", recipes::falling_shriek, Ends::kFaded, -2, 30},
    {"s4.wav", recipes::squeak, Ends::kFaded, -5, 10},
    {"s5.wav", recipes::empty_click, Ends::kFaded, -3, 5},
    {"s6.wav", recipes::reload, Ends::kFaded, -2, 10},
    {"s7.wav", recipes::thud_ricochet, Ends::kFaded, -1.5, 30},
    {"s8.wav", recipes::buzzer, Ends::kFaded, -7, 15},
    {"s9.wav", recipes::poof, Ends::kFaded, -6, 30},
    {"s10.wav", recipes::sea_and_wind, Ends::kLooped, -10, 0},
    {"s11.wav", recipes::wood_crash_honk, Ends::kFaded, -1.5, 30},
    {"s13.wav", recipes::motor_boat, Ends::kRestarted, -5, 0},
    {"s14.wav", recipes::seagull, Ends::kFaded, -3, 20},
    {"s15.wav", recipes::hit_pig_squeal, Ends::kFaded, -1.2, 30},
    {"s16.wav", recipes::clock_tick, Ends::kFaded, -3, 5},
    {"s17.wav", recipes::melody, Ends::kLooped, -11, 0},
    {"s18.wav", recipes::big_splash, Ends::kFaded, -1.5, 40},
    {"s19.wav", recipes::plink_into_water, Ends::kFaded, -3, 20},
};

constexpr double kFadeInMs = 1.5;   // short enough to keep attacks sharp
constexpr double kSeamFadeMs = 3;   // engine restarts: lands between two firings

}  // namespace

std::vector<SoundFile> all_sounds() {
    std::vector<SoundFile> sounds;
    for (const Entry& e : kSounds) {
        SoundFile f{e.name, {}};
        switch (e.ends) {
        case Ends::kFaded: f.samples = synth::finish_one_shot(e.make(), e.peak_db, kFadeInMs, e.fade_out_ms); break;
        case Ends::kLooped: f.samples = synth::finish_loop(e.make(), e.peak_db); break;
        case Ends::kRestarted: f.samples = synth::finish_loop(e.make(), e.peak_db, kSeamFadeMs); break;
        }
        sounds.push_back(std::move(f));
    }
    return sounds;
}

}  // namespace assetgen
