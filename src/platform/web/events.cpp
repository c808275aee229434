#include "platform/messages.h"

#include <emscripten.h>

#include "platform/keys.h"
#include "platform/web/web_internal.h"

namespace platform {
namespace {

bool g_video_gone = false;

// One page event as a message; false for events the game has no message for.
bool translate(const std::int32_t e[4], Message* msg) {
    Window* w = internal::CurrentWindow();
    *msg = Message{};
    msg->window = w;
    switch (e[0]) {
        case internal::kPageActive: return internal::SetWindowActive(e[1] != 0, msg);
        case internal::kPageMove: internal::MouseMessage(msg, WM_MOUSEMOVE, e[1], e[2]); return true;
        case internal::kPageButtonDown:
            internal::MouseMessage(msg, e[1] == 0 ? WM_LBUTTONDOWN : WM_RBUTTONDOWN, e[2], e[3]);
            return true;
        case internal::kPageButtonUp:
            internal::MouseMessage(msg, e[1] == 0 ? WM_LBUTTONUP : WM_RBUTTONUP, e[2], e[3]);
            return true;
        case internal::kPageKeyDown:
            // The page sends no key repeats.
            if (e[1] != VK_ESCAPE && e[1] != VK_F12) return false;
            msg->message = WM_KEYDOWN;
            msg->wparam = std::uintptr_t(e[1]);
            return true;
        default: return false;
    }
}

}  // namespace

namespace internal {

bool PollEvent(Message* msg) {
    std::int32_t e[4];
    while (ferrow_page_next_event(e))
        if (translate(e, msg)) return true;
    return false;
}

// Waiting is sleeping in short steps: the page's events arrive only while
// the game gives it its turn.
bool WaitEvent(Message* msg) {
    for (;;) {
        if (g_video_gone) return false;
        if (PollEvent(msg)) return true;
        emscripten_sleep(10);
    }
}

}  // namespace internal

// Events stay queued on the page by themselves; the logo's hold sleeps, which
// gives the page its turn.
void PumpEvents() {}

namespace internal {

void EndPageEvents() { g_video_gone = true; }

}  // namespace internal
}  // namespace platform
