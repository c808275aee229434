#include "layers/sound_requests.h"

namespace {
Soundzuhoerer zuhoerer = nullptr;
}  // namespace

void soundzuhoerersetzen(Soundzuhoerer neu) { zuhoerer = neu; }

// Silent until the sound slots exist; only a listener hears the request.
void soundabspielen(int slot) {
    if (zuhoerer) zuhoerer(slot);
}
