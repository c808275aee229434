// A real display on SDL's dummy driver with every picture of the game loaded,
// so benchmarks measure the game's own drawing code on its own data.
#pragma once

namespace benchsupport {

// Opens the display and loads the catalogue once; false if that failed.
bool OpenGame();

// Copies one 640 x 480 frame with memcpy: the yardstick every figure is
// reported against.
void CopyOneFrame();
// Processor time of this thread, in microseconds: on a busy machine it is
// steadier than the wall clock.
double ThreadMicros();

// The processor time of one such copy in microseconds, taken over many copies just now,
// so that a benchmark can report itself as a multiple of it.
double MicrosPerFrameCopy();

}  // namespace benchsupport
