#include "game/game_flow.h"
#include "layers/layer_database.h"
#include "layers/sound_requests.h"
#include "sound/sound_numbers.h"
#include "platform/clock.h"

// The clock counts whole seconds of a monotonic clock: a changed system
// clock neither adds nor takes game time.
std::int32_t restzeit = 0;
std::uint8_t uhrlaeuft = 0;
std::int32_t startzeit = 0;
std::int32_t zeitlimit = 0;
std::int32_t letzterestzeit = 0;

std::int32_t rundenstart() {
    schuesse = kMagazin;
    magazin = kMagazin;
    startzeit = std::int32_t(platform::MonotonicSeconds());
    zeitlimit = kSpielzeit;
    patronenanzeige();
    return startzeit;
}

std::int32_t spieluhr() {
    if (uhrlaeuft == 0) return restzeit;
    const std::int32_t vergangen = std::int32_t(platform::MonotonicSeconds()) - startzeit;
    // Once 0 it stays 0; a value that jumped below 0 becomes 0 next frame.
    if (restzeit < 0) restzeit = 0;
    if (restzeit > 0) restzeit = zeitlimit - vergangen;
    if (restzeit < 5 && restzeit != letzterestzeit) soundabspielen(kSoundTicken);
    letzterestzeit = restzeit;
    layerdatenbank.zeitanzeige(restzeit);
    return restzeit;
}

void uhrneustart() {
    startzeit = std::int32_t(platform::MonotonicSeconds());
    zeitlimit = restzeit;
}
