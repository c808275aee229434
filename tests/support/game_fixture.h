// The layers' fixture with the game's globals reset and the highscore table released at the end.
#pragma once
#include "game/game_flow.h"
#include "support/layers_fixture.h"
#include "text/highscore_table.h"

class GameTest : public LayersTest {
protected:
    void SetUp() override {
        LayersTest::SetUp();
        klickx = klicky = restzeit = schuesse = 0;
    }
    void ReleaseGameObjects() override {
        highscore.freigeben();
        LayersTest::ReleaseGameObjects();
    }
};
