// The sound device and its slots released at the end of a test.
#pragma once
#include "sound/sound_slots.h"
#include "support/base_fixture.h"

inline void ReleaseSound() {
    for (auto& buffer : soundpuffer) {
        if (buffer) buffer->Release();
        buffer = nullptr;
    }
    if (soundgeraet) soundgeraet->Release();
    soundgeraet = nullptr;
}

class SoundTest : public BaseTest {
protected:
    void ReleaseObjects() override {
        ReleaseSound();
        BaseTest::ReleaseObjects();
    }
};
