#include "layers/sound_requests.h"

#include "sound/sound_slots.h"

namespace {
Soundzuhoerer zuhoerer = nullptr;
}  // namespace

void soundzuhoerersetzen(Soundzuhoerer neu) { zuhoerer = neu; }

void soundabspielen(int slot) {
    if (zuhoerer) zuhoerer(slot);
    if (slot >= 0 && slot < kSoundslots) soundspielen(soundpuffer[slot]);
}
