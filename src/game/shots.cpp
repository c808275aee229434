#include "game/game_flow.h"
#include "graphics/graphics_store.h"
#include "layers/layer_database.h"
#include "layers/sound_requests.h"
#include "sound/sound_numbers.h"

std::int32_t schuesse = 0;
int klickx = 0, klicky = 0;
std::int32_t magazin = kMagazin;

void schuss() {
    if (schuesse > 0) {
        --schuesse;
        soundabspielen(kSoundSchuss);
        layerdatenbank.schiessen(&grafikdatenbank, klickx, klicky);
    } else {
        soundabspielen(kSoundLeer);
    }
    patronenanzeige();
}

void nachladen() {
    // Only an empty magazine is refilled.
    if (schuesse > 0) return;
    schuesse = magazin;
    soundabspielen(kSoundNachladen);
    patronenanzeige();
}
