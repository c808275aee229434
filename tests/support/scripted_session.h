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

struct Takt {
    platform::Message nachricht;    // WM_NULL: no message, so a frame runs
    std::set<int> tasten;           // held during the frame
    std::uint64_t vorlauf = 16667;  // clock advance before it, in microseconds
};

inline std::deque<Takt> drehbuch;

inline void Senden(std::uint32_t n, std::uintptr_t w = 0, std::intptr_t l = 0, std::uint64_t vorlauf = 0) {
    drehbuch.push_back({platform::Message{nullptr, n, w, l}, {}, vorlauf});
}
inline void Bilder(int n, std::set<int> tasten = {}, std::uint64_t vorlauf = 16667) {
    drehbuch.insert(drehbuch.end(), std::size_t(n), {platform::Message{}, tasten, vorlauf});
}
// The name entry looks at the keys every fourth frame.
inline void Tippen(int vk) {
    Bilder(4, {vk});
    Bilder(4);
}

// The next message, or false when a frame is to run. With the script played to its end the window is closed, as a
// player would.
inline bool Drehbuchnachricht(platform::Message* msg) {
    if (drehbuch.empty()) Senden(platform::WM_CLOSE);
    const Takt t = drehbuch.front();
    drehbuch.pop_front();
    fakes::Advance(t.vorlauf);
    fakes::keys_down = t.tasten;
    if (t.nachricht.message == platform::WM_NULL) return false;
    *msg = t.nachricht;
    msg->window = hauptfenster;
    // Switching away loses the surfaces, as the platform tells it.
    if (msg->message == platform::WM_ACTIVATEAPP && msg->wparam == 0 && lpddsprimary) lpddsprimary->MarkLost();
    return true;
}
