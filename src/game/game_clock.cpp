#include "game/game_flow.h"
#include "platform/clock.h"

std::int32_t restzeit = 0;
std::int32_t startzeit = 0;
std::int32_t zeitlimit = 0;

void uhrneustart() {
    startzeit = std::int32_t(platform::MonotonicSeconds());
    zeitlimit = restzeit;
}
