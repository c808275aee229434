// The sounds that moving and hit objects ask for, by sound slot number.
#pragma once

// Plays the sound slot from its beginning.
void soundabspielen(int slot);

// Tests listen to the slots asked for; null removes the listener.
using Soundzuhoerer = void (*)(int slot);
void soundzuhoerersetzen(Soundzuhoerer zuhoerer);
