// The graphics fixture with the layers' globals reset, the sound slots the layers ask for recorded, and the layer
// database and sound device released at the end.
#pragma once
#include <vector>

#include "layers/layer_database.h"
#include "layers/mouse_position.h"
#include "layers/sound_requests.h"
#include "support/graphics_fixture.h"
#include "support/sound_fixture.h"

class LayersTest : public GraphicsTest {
protected:
    void SetUp() override {
        GraphicsTest::SetUp();
        mausx = mausy = 0;
        sounds_played.clear();
        soundzuhoerersetzen([](int slot) { sounds_played.push_back(slot); });
    }
    void TearDown() override {
        soundzuhoerersetzen(nullptr);
        GraphicsTest::TearDown();
    }
    void ReleaseGameObjects() override {
        layerdatenbank.freigeben();
        ReleaseSound();
        GraphicsTest::ReleaseGameObjects();
    }
    void ReleaseObjects() override {
        GraphicsTest::ReleaseObjects();
        layerdatenbank = _layerdatenbank{};
    }

    static inline std::vector<int> sounds_played;  // the sound slots asked for, in order
};
