// One function per sound of the game. Each returns an unscaled signal;
// sounds.cpp sets levels and finishes the ends.
#pragma once
#include "sounds/synth.h"

namespace assetgen::recipes {

using synth::Signal;

// Gun (gun.cpp)
Signal shot();           // s0
Signal empty_click();    // s5
Signal reload();         // s6

// Hits (hits.cpp)
Signal thud_ricochet();  // s7
Signal buzzer();         // s8
Signal poof();           // s9
Signal wood_crash_honk();// s11
Signal clock_tick();     // s16

// Water (water.cpp)
Signal small_splash();   // s1
Signal big_splash();     // s18
Signal plink_into_water();// s19

// Animals (animals.cpp)
Signal pig_squeal();     // s2
Signal falling_shriek(); // s3
Signal squeak();         // s4
Signal seagull();        // s14
Signal hit_pig_squeal(); // s15

// Loops and the engine (sea.cpp, engine.cpp, melody.cpp): periodic signals.
Signal sea_and_wind();   // s10
Signal motor_boat();     // s13
Signal melody();         // s17

}  // namespace assetgen::recipes
