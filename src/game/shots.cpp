#include "game/game_flow.h"
#include "sound/sound_slots.h"

std::int32_t punkte = 0;
std::int32_t schuesse = 0;
std::int32_t magazin = 8;

void schuss() {
    if (schuesse > 0) {
        --schuesse;
        soundspielen(soundpuffer[0]);
    } else {
        soundspielen(soundpuffer[5]);
    }
}

void nachladen() {
    // Only an empty magazine is refilled.
    if (schuesse <= 0) {
        schuesse = magazin;
        soundspielen(soundpuffer[6]);
    }
}
