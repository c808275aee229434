// The Windows backend with a real window (under Wine and Xvfb in CI): Windows' messages become the game's, and a flip
// shows the palette's colours between black bars. (Alt+Enter is played through the packaged game under Wine.)
#include "platform/internal.h"
#include "platform/palette_object.h"
#include "support/platform_display.h"
// Last: windows.h renames what the platform's headers declare.
#include "platform/win32/win32_internal.h"

namespace {

class Win32WindowTest : public PlatformDisplayTest {
protected:
    void SetUp() override {
        PlatformDisplayTest::SetUp();
        ASSERT_TRUE(OpenDisplay());
        // A palette whose every colour differs from the bars' black.
        platform::PALETTEENTRY colours[256];
        for (int i = 0; i < 256; ++i) colours[i] = {std::uint8_t(i), std::uint8_t(255 - i), 128, 0};
        ASSERT_EQ(dd_->CreatePalette(colours, &palette_), platform::DD_OK);
        primary_->SetPalette(palette_);
        hwnd_ = window_->hwnd;
        std::vector<platform::Message> ignored;
        Take(&ignored);
    }
    // Every message of ours that Windows' queue gives, in order.
    void Take(std::vector<platform::Message>* out) {
        platform::Message m;
        while (platform::PeekMessage(&m)) out->push_back(m);
    }
    std::vector<platform::Message> Messages(std::uint32_t code) {
        std::vector<platform::Message> all, wanted;
        Take(&all);
        for (const auto& m : all)
            if (m.message == code) wanted.push_back(m);
        return wanted;
    }
    RECT Client() {
        RECT r;
        GetClientRect(hwnd_, &r);
        return r;
    }
    // The colour the window shows at a client point.
    COLORREF At(int x, int y) {
        const HDC dc = GetDC(hwnd_);
        const COLORREF c = GetPixel(dc, x, y);
        ReleaseDC(hwnd_, dc);
        return c;
    }
    HWND hwnd_ = nullptr;
    platform::Palette* palette_ = nullptr;  // goes with the primary
};

}  // namespace

TEST_F(Win32WindowTest, KeysButtonsAndClosingBecomeTheGamesMessages) {
    // Escape once, then its key repeat; F12; a key the game reads by polling; closing the window.
    PostMessageW(hwnd_, WM_KEYDOWN, VK_ESCAPE, 1);
    PostMessageW(hwnd_, WM_KEYDOWN, VK_ESCAPE, 1 | 1 << 30);
    PostMessageW(hwnd_, WM_KEYDOWN, VK_F12, 1);
    PostMessageW(hwnd_, WM_KEYDOWN, 'A', 1);
    PostMessageW(hwnd_, WM_CLOSE, 0, 0);
    std::vector<platform::Message> all;
    Take(&all);
    std::vector<std::pair<std::uint32_t, std::uintptr_t>> got;
    for (const auto& m : all)
        if (m.message == WM_KEYDOWN || m.message == WM_CLOSE) got.emplace_back(m.message, m.wparam);
    EXPECT_EQ(got, (decltype(got){{WM_KEYDOWN, VK_ESCAPE}, {WM_KEYDOWN, VK_F12}, {WM_CLOSE, 0}}));
    EXPECT_TRUE(IsWindow(hwnd_)) << "closing is the game's to do";

    // Client points in the image's pixels (the client is the picture's size), clamped when beside it.
    ASSERT_EQ(Client().right, 640);
    PostMessageW(hwnd_, WM_LBUTTONDOWN, 0, MAKELPARAM(100, 50));
    const auto down = Messages(WM_LBUTTONDOWN);
    ASSERT_EQ(down.size(), 1u);
    EXPECT_EQ(std::pair(platform::LoWord(down[0].lparam), platform::HiWord(down[0].lparam)), std::pair(100, 50));
    PostMessageW(hwnd_, WM_RBUTTONUP, 0, MAKELPARAM(-5, 700));
    const auto up = Messages(WM_RBUTTONUP);
    ASSERT_EQ(up.size(), 1u);
    EXPECT_EQ(std::pair(platform::LoWord(up[0].lparam), platform::HiWord(up[0].lparam)), std::pair(0, 479));
}

TEST_F(Win32WindowTest, AFlipShowsThePalettesColoursBetweenBlackBars) {
    const platform::PALETTEENTRY e = platform::internal::SharedColours()[192];
    back_->ColorFill(192);
    ASSERT_EQ(primary_->Flip(), platform::DD_OK);
    EXPECT_EQ(At(320, 240), RGB(e.peRed, e.peGreen, e.peBlue));

    // Wider than 4:3: the picture fills the height, with bars left and right.
    RECT frame{0, 0, 800, 480};
    AdjustWindowRectEx(&frame, GetWindowLongPtrW(hwnd_, GWL_STYLE), FALSE, 0);
    SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top, SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_EQ(Client().right, 800);
    Messages(WM_NULL);
    ASSERT_EQ(primary_->Flip(), platform::DD_OK);
    EXPECT_EQ(At(40, 240), RGB(0, 0, 0));
    EXPECT_EQ(At(759, 240), RGB(0, 0, 0));
    EXPECT_EQ(At(400, 240), RGB(e.peRed, e.peGreen, e.peBlue));
}
