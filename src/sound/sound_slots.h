// The game's sounds: twenty numbered slots (sound/sound_numbers.h), each
// holding one sound loaded at start-up, started by slot number from anywhere
// in the game. A sound cannot overlap itself: starting a slot that is
// playing starts it over.
#pragma once
#include <cstdint>

#include "platform/audio_device.h"
#include "sound/sound_numbers.h"

extern platform::DirectSound* soundgeraet;
extern platform::DirectSoundBuffer* soundpuffer[kSoundslots];

// Opens the sound device for the window; 0 = ready, 1 = failed (the window
// set-up reports it).
int initdirectsound(platform::Window* fenster);

// Loads every slot from the folder's "s<slot>.wav" files. A file that does
// not load leaves its slot empty and the game goes on without that sound.
void soundsetladen(const char* ordner);

// One WAV file in a new buffer, or null (with debug lines saying why).
platform::DirectSoundBuffer* soundladen(const char* pfad);

// Start the buffer from its beginning, once or looping; true (nothing done)
// for an empty slot or once the program is ending.
bool soundspielen(platform::DirectSoundBuffer* puffer);
bool soundschleife(platform::DirectSoundBuffer* puffer);

// An empty slot is silent, and stopping it does nothing.
void soundstoppen(platform::DirectSoundBuffer* puffer);
// DSBSTATUS_PLAYING (with DSBSTATUS_LOOPING for a loop) while heard, else 0.
std::uint32_t soundstatus(platform::DirectSoundBuffer* puffer);

// The engine rule, once a frame after every layer has drawn: while a motor
// boat was drawn this frame the engine sound is started again each time it
// has ended; in a frame without one it stops.
void motorgeraeusch(bool motorlaeuft);
