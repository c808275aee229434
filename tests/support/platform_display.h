// A window with the display device in the game's mode, its primary surface and back buffer, made by the platform
// alone.
#pragma once
#include <gtest/gtest.h>

#include <vector>

#include "platform/display_device.h"
#include "platform/window.h"
#include "support/platform_fixture.h"

class PlatformDisplayTest : public PlatformTest {
protected:
    // False if a step failed. Unless told to open a window, it opens as the start choices say.
    bool OpenDisplay(bool in_a_window = true) {
        if (in_a_window) platform::SetWindowedStart(true);
        window_ = platform::CreateWindow("test", nullptr, nullptr);
        return window_ && platform::DirectDrawCreate(window_, &dd_) == platform::DD_OK &&
               dd_->SetCooperativeLevel(window_) == platform::DD_OK && dd_->SetDisplayMode(640, 480, 8) == platform::DD_OK &&
               dd_->CreatePrimarySurface(&primary_) == platform::DD_OK &&
               primary_->GetAttachedSurface(&back_) == platform::DD_OK;
    }
    // Released at the end.
    platform::Surface* NewSurface(int w, int h) {
        platform::Surface* s = nullptr;
        EXPECT_EQ(dd_->CreateOffscreenSurface(w, h, &s), platform::DD_OK);
        return made_.emplace_back(s);
    }
    void ReleaseObjects() override {
        for (platform::Surface* s : made_)
            if (s) s->Release();
        made_.clear();
        // The back buffer goes with the primary.
        if (primary_) primary_->Release();
        if (dd_) dd_->Release();
        if (window_) platform::DestroyWindow(window_);
        primary_ = back_ = nullptr;
        dd_ = nullptr;
        window_ = nullptr;
        PlatformTest::ReleaseObjects();
    }

    platform::Window* window_ = nullptr;
    platform::DirectDraw* dd_ = nullptr;
    platform::Surface* primary_ = nullptr;
    platform::Surface* back_ = nullptr;

private:
    std::vector<platform::Surface*> made_;
};
