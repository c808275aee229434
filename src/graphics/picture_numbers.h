// Every picture the code asks for by name. A picture's number is its row in
// the catalogue (graphics/catalogue_table.h), which checks each name against
// its file.
#pragma once

// Sea, sky and land.
constexpr int kBildWasser = 0;            // the open sea, 640 x 240
constexpr int kBildWellenring = 5;        // a ring of water spreading out
constexpr int kBildWelle = 7;             // the wave strip along the horizon
constexpr int kBildSonne = 8;
constexpr int kBildSpiegelung = 17;       // sunlight glittering on the water
constexpr int kBildLeuchtturm = 30;
constexpr int kBildLeuchtturmwasser = 32; // foam around the lighthouse's rock
constexpr int kBildWolkeGross = 39;       // 30 views, frame 8 upright
constexpr int kBildWolkeKlein = 40;
constexpr int kBildInselFlach = 44;       // the wide sandy island
constexpr int kBildInselFels = 45;        // the tall rocky island
constexpr int kBildBrandung = 46;         // surf around an island's foot
constexpr int kBildStrauch = 47;
constexpr int kBildAugeOffen = 52;        // the sun's eye, and its two hit states
constexpr int kBildAugeBlau = 53;
constexpr int kBildAugeZu = 65;
constexpr int kBildSchild = 69;           // the crossed-out pig on a post

// The palm trees: two trunks and the five parts of a crown.
constexpr int kBildStammKlein = 35;
constexpr int kBildStammGross = 54;
constexpr int kBildWedelRechts = 36;
constexpr int kBildWedelVorne = 37;
constexpr int kBildWedelUntenLinks = 38;
constexpr int kBildWedelLinks = 49;
constexpr int kBildWedelOben = 50;
constexpr int kBildBlattfetzen = 51;      // torn leaves flying apart

// The player: raft and gun, the casing a shot throws out.
constexpr int kBildFloss = 2;             // nine views, frame 4 straight ahead
constexpr int kBildGewehr = 43;           // 24 views, following the mouse
constexpr int kBildHuelse = 48;

// Pigs: pink ones with wings, red ones in propeller caps; near and far.
constexpr int kBildSauLinks = 9;
constexpr int kBildSauRechts = 13;
constexpr int kBildSauFernLinks = 11;
constexpr int kBildSauFernRechts = 12;
constexpr int kBildAbsturz = 15;          // a hit pig tumbling down
constexpr int kBildAbsturzFern = 16;
constexpr int kBildRotAbsturz = 24;
constexpr int kBildRotLinks = 25;
constexpr int kBildRotRechts = 26;
constexpr int kBildRotAbsturzFern = 27;
constexpr int kBildRotLinksFern = 28;
constexpr int kBildRotRechtsFern = 29;

// Boats: the motor boats near and far, each also hit; the rowing boat and
// the sailing boat it turns into when hit.
constexpr int kBildMotorbootRechts = 57;
constexpr int kBildMotorbootLinks = 58;
constexpr int kBildMotorbootFernRechts = 61;
constexpr int kBildMotorbootFernLinks = 62;
constexpr int kBildMotorbootTrefferLinks = 59;
constexpr int kBildMotorbootTrefferRechts = 60;
constexpr int kBildMotorbootFernTrefferLinks = 63;
constexpr int kBildMotorbootFernTrefferRechts = 64;
constexpr int kBildBoot = 70;
constexpr int kBildSegelboot = 72;

// What a hit leaves behind.
constexpr int kBildSpritzerKlein = 10;    // a casing's splash
constexpr int kBildSpritzerMittel = 21;   // a small pig's or cloud's splash
constexpr int kBildSpritzerGross = 18;    // a falling pig's splash
constexpr int kBildSplat = 19;            // a falling pig hit again
constexpr int kBildSplatFern = 20;
constexpr int kBildStaub = 31;            // dust and splinters off scenery

// Two placeholder rows that the hit reactions still name.
constexpr int kBildFarbtafel33 = 33;
constexpr int kBildFarbtafel34 = 34;

// The head-up display, the text and the title.
constexpr int kBildPatrone = 22;          // one shot left in the magazine
constexpr int kBildZiffern = 23;          // 0-9, blank, minus
constexpr int kBildSchrift = 55;
constexpr int kBildSchriftHervorgehoben = 56;
constexpr int kBildHighscore = 66;
constexpr int kBildLeertaste = 67;        // "F1 / LEERTASTE: NEUES SPIEL"
constexpr int kBildInfo = 68;
constexpr int kBildCountdown = 71;        // 5, 4, 3, 2, 1, "LOS!" on black
constexpr int kBildLogo = 73;

constexpr int kKatalogBilder = 74;
