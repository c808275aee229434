// On request a window with the game's display (on SDL's dummy video driver, or a real window on Windows) and every
// picture of the game; released at the end.
#pragma once
#include <vector>

#include "base/data_paths.h"
#include "base/fatal_report.h"
#include "graphics/catalogue.h"
#include "graphics/display.h"
#include "graphics/graphics_store.h"
#include "platform/window.h"
#include "support/base_fixture.h"

class GraphicsTest : public BaseTest {
protected:
    // A window and the display set up on it; false if either failed.
    bool OpenDisplay() {
        platform::SetWindowedStart(true);
        // Opened again after a fatal report: the old window goes first.
        ReleaseObjects();
        window_ = platform::CreateWindow("test", nullptr, nullptr);
        // A fatal report releases the game's objects, as the program's own does.
        current_ = this;
        Fehlerfolgen consequences;
        consequences.freigeben = [] {
            if (lpdd) current_->ReleaseGameObjects();
        };
        fehlerfolgensetzen(consequences);
        WindowMade();
        return window_ && initdirectdraw(window_) == 0;
    }
    // What a higher layer ties to a new window before its display is set up.
    virtual void WindowMade() {}

    // Every picture of the game, loaded from the data folder below the current one; false if one failed.
    bool LoadPictures() {
        basisordnerholen();
        datenordnersetzen("set0");
        grafikkatalog();
        return fakes::boxes.empty();
    }
    bool OpenDisplayWithPictures() { return OpenDisplay() && LoadPictures(); }

    // An offscreen surface of the display, released at the end.
    platform::Surface* NewSurface(int w, int h) {
        platform::Surface* s = nullptr;
        EXPECT_EQ(lpdd->CreateOffscreenSurface(w, h, &s), platform::DD_OK);
        return made_.emplace_back(s);
    }

    void TearDown() override {
        BaseTest::TearDown();
        fehlerfolgensetzen(Fehlerfolgen{});
        current_ = nullptr;
    }

    // What a fatal report releases: each layer's fixture adds its layer's objects.
    virtual void ReleaseGameObjects() {
        grafikdatenbank.freigeben();
        if (lpddsprimary) {
            // The back buffer and the palette go with the primary.
            lpddsprimary->Release();
            lpddsprimary = lpddsback = nullptr;
            spielpalette = nullptr;
        }
        if (lpdd) lpdd->Release();
        lpdd = nullptr;
    }
    void ReleaseObjects() override {
        ReleaseGameObjects();
        grafikdatenbank = _grafikdatenbank{};
        for (platform::Surface* s : made_)
            if (s) s->Release();
        made_.clear();
        if (window_) platform::DestroyWindow(window_);
        window_ = nullptr;
        BaseTest::ReleaseObjects();
    }

    platform::Window* window_ = nullptr;

private:
    static inline GraphicsTest* current_ = nullptr;
    std::vector<platform::Surface*> made_;
};

// With the display open from the start.
class DisplayTest : public GraphicsTest {
protected:
    void SetUp() override {
        GraphicsTest::SetUp();
        ASSERT_TRUE(OpenDisplay());
    }
};
