// The scene's layers, back (0) to front (19), by what they hold. Layers 0,
// 1, 11, 13, 14 and 15 stay empty.
#pragma once

constexpr int kLayerHimmel = 2;      // sun and eyes, small clouds, arc fliers
constexpr int kLayerBoot = 3;        // the rowing boat
constexpr int kLayerMeer = 4;        // the sea and the wave strip
constexpr int kLayerWolken = 5;      // large clouds and far motor boats
constexpr int kLayerFloss = 6;       // the raft, which turns as the view pans
constexpr int kLayerInseln = 7;      // three islands; the view's limits are tested here
constexpr int kLayerSchweine = 8;    // flying pigs and near motor boats; its sea lies higher
constexpr int kLayerInselnNah = 9;   // two islands in front
constexpr int kLayerZiffern = 10;    // the score and time digits
constexpr int kLayerLeuchtturm = 12;
constexpr int kLayerGewehr = 16;
constexpr int kLayerHuelsen = 17;    // two reflections, and the casings of shots
constexpr int kLayerHud = 18;        // the head-up display's still images
constexpr int kLayerLogo = 19;       // the title logo, which the swell leaves still

// The head-up display's slots on its layer, as the scene places them; the
// game flow shows and hides them.
constexpr int kSlotHighscore = 0, kSlotLeertaste = 1, kSlotInfo = 2, kSlotCountdown = 3;
constexpr int kSlotPatronen = 4;     // the first of one cartridge per shot left
constexpr int kPatronenplaetze = 8;
constexpr int kSlotLogo = 0;         // the logo's on its own layer
