// The game at the top level: start-up, the frame, shots and the clock.
#pragma once
#include <cstdint>

extern std::int32_t punkte;     // the running game's score
extern std::int32_t restzeit;   // seconds left; shots are taken only while > 0
extern std::int32_t schuesse;   // shots left in the magazine
extern std::int32_t magazin;    // magazine size
extern std::int32_t startzeit;  // game-clock second at which the clock was last based
extern std::int32_t zeitlimit;  // time left at startzeit

constexpr std::uint8_t kHintergrundfarbe = 192;  // the sky, cleared every frame

// Paths, data and scene, once, after display and sound are ready.
void spielstart();
// One frame.
void spielschritt();
// The logo screen, held five seconds.
void logozeigen();
// An accepted left press, and a right press.
void schuss();
void nachladen();
// Re-bases the game clock so that time spent switched away is not counted.
void uhrneustart();
