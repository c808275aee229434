// The twenty sound slots by what they play. Slot n holds the file
// "s<n>.wav"; slot 12 has no file and stays empty.
#pragma once

constexpr int kSoundslots = 20;

constexpr int kSoundSchuss = 0;
constexpr int kSoundPlatsch = 1;          // a small faller or a cloud reaches the water
constexpr int kSoundQuieken = 2;          // loaded, never played
constexpr int kSoundAbsturzschrei = 3;    // a falling red pig hit
constexpr int kSoundPiepsen = 4;          // a far flier hit
constexpr int kSoundLeer = 5;             // the dry click of an empty magazine
constexpr int kSoundNachladen = 6;
constexpr int kSoundQuerschlaeger = 7;    // scenery and still targets hit
constexpr int kSoundSummer = 8;
constexpr int kSoundPuff = 9;             // a cloud hit
constexpr int kSoundMeer = 10;            // sea and wind, looping the whole run
constexpr int kSoundHolzkrach = 11;       // a boat hit
constexpr int kSoundOhneDatei = 12;
constexpr int kSoundMotor = 13;           // kept going while a motor boat is seen
constexpr int kSoundMoewe = 14;           // loaded, never played
constexpr int kSoundSauschrei = 15;       // a near pig hit
constexpr int kSoundTicken = 16;          // countdown seconds and the last of play
constexpr int kSoundMelodie = 17;         // looping the whole run
constexpr int kSoundAufprall = 18;        // a big faller reaches the water
constexpr int kSoundHuelse = 19;          // a casing lands in the water
