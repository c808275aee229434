// The game's way to play a sound slot: shots, hits, splashes and the clock.
#pragma once

// Plays the sound slot from its beginning.
void soundabspielen(int slot);

// Tests listen to the slots asked for; null removes the listener.
using Soundzuhoerer = void (*)(int slot);
void soundzuhoerersetzen(Soundzuhoerer zuhoerer);
