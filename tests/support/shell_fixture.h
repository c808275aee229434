// A test with the shell's globals reset, the fakes installed, and (on request)
// a real window and display on SDL's dummy video driver.
#pragma once
#include <gtest/gtest.h>

#include "game/game_flow.h"
#include "platform/messages.h"
#include "platform/window.h"
#include "shell/display.h"
#include "shell/fatal_report.h"
#include "shell/data_paths.h"
#include "shell/main_loop.h"
#include "support/fakes.h"

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        fakes::Install();
        programmendet = false;
        beendigunglaeuft = false;
        programmaktiv = 0;
        mausx = mausy = klickx = klicky = 0;
        linkssperre = rechtssperre = 0;
        restzeit = 0;
        schuesse = 0;
        basisordner[0] = 0;
        platform::ResetQuit();
    }

    void TearDown() override {
        aufraeumen();
        if (hauptfenster) platform::DestroyWindow(hauptfenster);
        hauptfenster = nullptr;
        platform::ShutdownVideo();
        platform::SetMessageSource(nullptr);
        platform::ResetQuit();
        fakes::Uninstall();
    }

    // A window and the display set up on it; false if either failed.
    bool OpenDisplay() {
        platform::SetWindowedStart(true);
        hauptfenster = platform::CreateWindow("test", nullptr, nullptr);
        return hauptfenster && initdirectdraw(hauptfenster) == 0;
    }
};
