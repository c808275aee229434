// The base's globals reset: the program not ending, no start folder found yet.
#pragma once
#include "base/data_paths.h"
#include "base/fatal_report.h"
#include "support/platform_fixture.h"

class BaseTest : public PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        programmendet = false;
        basisordner[0] = 0;
    }
};
