#include "platform/messages.h"

#include "platform/internal.h"
#include "platform/testing/test_hooks.h"

namespace platform {
namespace {

const MessageSource* g_source = nullptr;
bool g_quit_posted = false;
int g_quit_code = 0;

bool quit_message(Message* msg) {
    if (!g_quit_posted) return false;
    *msg = Message{};
    msg->window = internal::CurrentWindow();
    msg->message = WM_QUIT;
    msg->wparam = std::uintptr_t(g_quit_code);
    return true;
}

}  // namespace

namespace internal {

void MouseMessage(Message* msg, std::uint32_t code, int wx, int wy) {
    int x = 0, y = 0;
    WindowToImage(wx, wy, &x, &y);
    msg->message = code;
    msg->lparam = MakeLParam(x, y);
}

}  // namespace internal

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
    return g_source ? g_source->peek(msg) : internal::PollEvent(msg);
}

bool GetMessage(Message* msg) {
    if (quit_message(msg)) return false;
    const bool got = g_source ? g_source->wait(msg) : internal::WaitEvent(msg);
    if (!got) {
        // No more events can come (video gone): end as if asked to.
        *msg = Message{};
        msg->message = WM_QUIT;
        return false;
    }
    return true;
}

}  // namespace platform
