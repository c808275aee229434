#include <deque>

#include "platform/display_device.h"
#include "platform/testing/test_hooks.h"
#include "support/shell_fixture.h"

using namespace platform;

namespace {

// Each entry answers one peek or wait ("none": an empty peek); calls are logged as P/W.
struct Script { std::deque<Message> queue; std::string calls; } script;

// Waiting never comes back empty-handed: it skips "none" entries. A dry queue closes the window so the loop ends.
bool next(Message* msg, bool waiting) {
    script.calls += waiting ? 'W' : 'P';
    while (waiting && !script.queue.empty() && script.queue.front().message == WM_NULL) script.queue.pop_front();
    if (script.queue.empty()) {
        msg->message = WM_CLOSE;
        return true;
    }
    const Message m = script.queue.front();
    script.queue.pop_front();
    if (m.message == WM_NULL) return false;
    *msg = m;
    return true;
}
bool peek(Message* msg) { return next(msg, false); }
bool wait(Message* msg) { return next(msg, true); }

const MessageSource kScripted = {peek, wait};

Message make(std::uint32_t message, std::uintptr_t wparam = 0) { return Message{nullptr, message, wparam, 0}; }

}  // namespace

using MainLoopTest = ShellTest;

TEST_F(MainLoopTest, PollsAndDrawsWhileActiveWaitsWhileInactive) {
    const Message none = make(WM_NULL);
    script = {{none, none, make(WM_ACTIVATEAPP, 0), make(WM_ACTIVATEAPP, 1), none, make(WM_KEYDOWN, VK_ESCAPE)}, ""};
    SetMessageSource(&kScripted);
    SetWindowedStart(true);

    const std::uint64_t before = fakes::now_micros;
    const unsigned long frames_before = FramesPresented();
    EXPECT_EQ(WinMain(), 0);
    // Three frames, and the logo at the start and at the end.
    EXPECT_EQ(FramesPresented() - frames_before, 5u);
    // Active: two empty peeks run two frames; the deactivation makes the next
    // call a wait; the activation turns back to peeking; Escape ends it.
    EXPECT_EQ(script.calls, "PPPWPP");
    // Three frames, each at least 5 ms of the tick count.
    EXPECT_GE(fakes::now_micros - before, 15000u);
    EXPECT_TRUE(fakes::boxes.empty() && lpdd == nullptr);
}
