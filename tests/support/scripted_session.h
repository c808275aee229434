// A session played from a script: messages, and frames each on its own step of the fake clock with the keys held
// during it, handed to the message loop in their order.
#pragma once
#include <cstdint>
#include <deque>
#include <set>

#include "graphics/display.h"
#include "platform/messages.h"
#include "shell/main_loop.h"
#include "support/fakes.h"

struct Step {
    platform::Message message;      // WM_NULL: no message, so a frame runs
    std::set<int> keys;             // held during the frame
    std::uint64_t advance = 16667;  // clock advance before it, in microseconds
};

inline std::deque<Step> script;

inline void Send(std::uint32_t n, std::uintptr_t w = 0, std::intptr_t l = 0, std::uint64_t advance = 0) {
    script.push_back({platform::Message{nullptr, n, w, l}, {}, advance});
}
inline void Frames(int n, std::set<int> keys = {}, std::uint64_t advance = 16667) {
    script.insert(script.end(), std::size_t(n), {platform::Message{}, keys, advance});
}
// The name entry looks at the keys every fourth frame.
inline void Type(int vk) {
    Frames(4, {vk});
    Frames(4);
}

// From the start to the first frame of play: the pointer in the middle, the offered name taken back by `zurueck`
// Backspaces, ZOE typed and confirmed, and the six clock seconds of the countdown.
inline void EnterZoeAndWaitOutTheCountdown(int zurueck) {
    Send(platform::WM_MOUSEMOVE, 0, platform::MakeLParam(320, 240));
    Frames(2);
    for (int i = 0; i < zurueck; ++i) Type(platform::VK_BACK);
    for (int vk : {'Z', 'O', 'E'}) Type(vk);
    Frames(4, {platform::VK_RETURN});
    Frames(6, {}, 1000000);
    Frames(1);
}

// The next message, or false when a frame is to run. With the script played to its end the window is closed, as a
// player would.
inline bool ScriptedMessage(platform::Message* msg) {
    if (script.empty()) Send(platform::WM_CLOSE);
    const Step t = script.front();
    script.pop_front();
    fakes::Advance(t.advance);
    fakes::keys_down = t.keys;
    if (t.message.message == platform::WM_NULL) return false;
    *msg = t.message;
    msg->window = hauptfenster;
    // Switching away loses the surfaces, as the platform tells it.
    if (msg->message == platform::WM_ACTIVATEAPP && msg->wparam == 0 && lpddsprimary) lpddsprimary->MarkLost();
    return true;
}
