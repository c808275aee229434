#include "platform/messages.h"

#include <emscripten.h>

#include "platform/keys.h"
#include "platform/web/web_internal.h"

namespace platform {
namespace {

const MessageSource* g_source = nullptr;
bool g_quit_posted = false;
int g_quit_code = 0;
bool g_video_gone = false;

void set_active(Window* w, bool active, Message* msg) {
    if (w->active == active) return;
    w->active = active;
    if (!active) internal::OnDeactivate();
    internal::SetAudioActive(active);
    msg->message = WM_ACTIVATEAPP;
    msg->wparam = active ? 1 : 0;
}

void mouse(Message* msg, std::uint32_t code, int x, int y) {
    int ix = 0, iy = 0;
    internal::WindowToImage(x, y, &ix, &iy);
    msg->message = code;
    msg->lparam = MakeLParam(ix, iy);
}

// One page event as a message; false for events the game has no message for.
bool translate(const std::int32_t e[4], Message* msg) {
    Window* w = internal::CurrentWindow();
    *msg = Message{};
    msg->window = w;
    switch (e[0]) {
        case internal::kPageActive:
            if (!w) return false;
            set_active(w, e[1] != 0, msg);
            return msg->message != WM_NULL;
        case internal::kPageMove: mouse(msg, WM_MOUSEMOVE, e[1], e[2]); return true;
        case internal::kPageButtonDown:
            mouse(msg, e[1] == 0 ? WM_LBUTTONDOWN : WM_RBUTTONDOWN, e[2], e[3]);
            return true;
        case internal::kPageButtonUp:
            mouse(msg, e[1] == 0 ? WM_LBUTTONUP : WM_RBUTTONUP, e[2], e[3]);
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

bool quit_message(Message* msg) {
    if (!g_quit_posted) return false;
    *msg = Message{};
    msg->window = internal::CurrentWindow();
    msg->message = WM_QUIT;
    msg->wparam = std::uintptr_t(g_quit_code);
    return true;
}

bool events_peek(Message* msg) {
    std::int32_t e[4];
    while (ferrow_page_next_event(e))
        if (translate(e, msg)) return true;
    return false;
}

// Waiting is sleeping in short steps: the page's events arrive only while
// the game gives it its turn.
bool events_wait(Message* msg) {
    for (;;) {
        if (g_video_gone) return false;
        if (events_peek(msg)) return true;
        emscripten_sleep(10);
    }
}

}  // namespace

void SetMessageSource(const MessageSource* source) { g_source = source; }

void ResetQuit() {
    g_quit_posted = false;
    g_quit_code = 0;
}

void PostQuitMessage(int code) {
    if (g_quit_posted) return;
    g_quit_posted = true;
    g_quit_code = code;
}

bool PeekMessage(Message* msg) {
    if (quit_message(msg)) return true;
    return g_source ? g_source->peek(msg) : events_peek(msg);
}

bool GetMessage(Message* msg) {
    if (quit_message(msg)) return false;
    const bool got = g_source ? g_source->wait(msg) : events_wait(msg);
    if (!got) {
        *msg = Message{};
        msg->message = WM_QUIT;
        return false;
    }
    return true;
}

// Events stay queued on the page by themselves; the logo's hold sleeps, which
// gives the page its turn.
void PumpEvents() {}

namespace internal {

void EndPageEvents() { g_video_gone = true; }

}  // namespace internal
}  // namespace platform
