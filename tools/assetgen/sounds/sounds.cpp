// The table of the game's sounds: which recipe makes each file, how loud
// it is and how its ends are finished.
#include "sounds/sounds.h"

#include "sound/sound_numbers.h"
#include "sounds/recipes.h"

namespace assetgen {

namespace {

enum class Ends {
    kFaded,      // one-shot: short fades to silence at both ends
    kLooped,     // played looping: periodic, starts at a zero crossing
    kRestarted,  // periodic and restarted when it ends: also faded at the seam
};

struct Entry {
    int slot;  // played from this slot of the game, as "s<slot>.wav"
    synth::Signal (*make)();
    Ends ends;
    double peak_db;      // ambience and music sit well below the effects
    double fade_out_ms;  // for kFaded; the fade in is always short
};

// kSoundOhneDatei has no file.
const Entry kSounds[] = {
    {kSoundSchuss, recipes::shot, Ends::kFaded, -1.5, 20},
    {kSoundPlatsch, recipes::small_splash, Ends::kFaded, -3, 30},
    {kSoundQuieken, recipes::pig_squeal, Ends::kFaded, -2, 20},
    {kSoundAbsturzschrei, recipes::falling_shriek, Ends::kFaded, -2, 30},
    {kSoundPiepsen, recipes::squeak, Ends::kFaded, -5, 10},
    {kSoundLeer, recipes::empty_click, Ends::kFaded, -3, 5},
    {kSoundNachladen, recipes::reload, Ends::kFaded, -2, 10},
    {kSoundQuerschlaeger, recipes::thud_ricochet, Ends::kFaded, -1.5, 30},
    {kSoundSummer, recipes::buzzer, Ends::kFaded, -7, 15},
    {kSoundPuff, recipes::poof, Ends::kFaded, -6, 30},
    {kSoundMeer, recipes::sea_and_wind, Ends::kLooped, -10, 0},
    {kSoundHolzkrach, recipes::wood_crash_honk, Ends::kFaded, -1.5, 30},
    {kSoundMotor, recipes::motor_boat, Ends::kRestarted, -5, 0},
    {kSoundMoewe, recipes::seagull, Ends::kFaded, -3, 20},
    {kSoundSauschrei, recipes::hit_pig_squeal, Ends::kFaded, -1.2, 30},
    {kSoundTicken, recipes::clock_tick, Ends::kFaded, -3, 5},
    {kSoundMelodie, recipes::melody, Ends::kLooped, -11, 0},
    {kSoundAufprall, recipes::big_splash, Ends::kFaded, -1.5, 40},
    {kSoundHuelse, recipes::plink_into_water, Ends::kFaded, -3, 20},
};

constexpr double kFadeInMs = 1.5;   // short enough to keep attacks sharp
constexpr double kSeamFadeMs = 3;   // engine restarts: lands between two firings

}  // namespace

std::vector<SoundFile> all_sounds() {
    std::vector<SoundFile> sounds;
    for (const Entry& e : kSounds) {
        SoundFile f{"s" + std::to_string(e.slot) + ".wav", {}};
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
