// A clock that moves only when told, read or slept on; recorded boxes and debug lines; a scripted keyboard.
#pragma once
#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/debug_output.h"
#include "platform/keys.h"
#include "platform/message_box.h"
#include "platform/testing/test_hooks.h"

namespace fakes {

struct Box { std::string text, caption; };

// Everything recorded since Install().
inline std::vector<Box> boxes;
inline std::vector<std::string> debug_lines;
inline std::set<int> keys_down;
inline std::uint64_t now_micros = 0;

inline void Advance(std::uint64_t micros) { now_micros += micros; }

// Each reading of a clock moves it on a little, so spinning waits end.
inline const platform::Clock kClock = {
    [] { return (now_micros += 100) / 1000; },
    [] { return ++now_micros; },
    [] { return std::int64_t(now_micros / 1000000); },
    [] { return 1700000000 + std::int64_t(now_micros / 1000000); },
    [](std::uint64_t us) { now_micros += us; },
};

// Installs clock, message box, debug and key hooks, clears the records.
inline void Install() {
    boxes.clear();
    debug_lines.clear();
    keys_down.clear();
    now_micros = 1000000;
    platform::SetClock(&kClock);
    platform::SetMessageBoxHook([](const char* text, const char* caption) { boxes.push_back({text, caption}); });
    platform::SetDebugOutputHook([](const char* text) { debug_lines.emplace_back(text); });
    platform::SetKeyStateSource([](int vk) { return keys_down.count(vk) != 0; });
}

// Restores the real ones.
inline void Uninstall() {
    platform::SetClock(nullptr);
    platform::SetMessageBoxHook(nullptr);
    platform::SetDebugOutputHook(nullptr);
    platform::SetKeyStateSource(nullptr);
}

using Lines = std::vector<std::string>;

// The texts of the boxes shown, in order.
inline Lines BoxTexts() {
    Lines texts;
    for (const Box& b : boxes) texts.push_back(b.text);
    return texts;
}

inline bool DebugLineContains(const std::string& part) {
    return std::any_of(debug_lines.begin(), debug_lines.end(), [&](auto& l) { return l.find(part) != l.npos; });
}

}  // namespace fakes
