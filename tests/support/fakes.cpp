#include "support/fakes.h"

#include "platform/clock.h"
#include "platform/debug_output.h"
#include "platform/keys.h"
#include "platform/message_box.h"

namespace fakes {

std::vector<Box> boxes;
std::vector<std::string> debug_lines;
std::set<int> keys_down;
std::uint64_t now_micros = 0;
std::int64_t calendar_offset = 1700000000;

namespace {

// Reading the tick count moves time on too, so busy waits on it end.
std::uint64_t ticks() {
    now_micros += 100;
    return now_micros / 1000;
}
std::uint64_t micros() { return ++now_micros; }
std::int64_t monotonic() { return std::int64_t(now_micros / 1000000); }
std::int64_t calendar() { return calendar_offset + std::int64_t(now_micros / 1000000); }
void sleep(std::uint64_t us) { now_micros += us; }

const platform::Clock kFakeClock = {ticks, micros, monotonic, calendar, sleep};

void box(const char* text, const char* caption) { boxes.push_back({text, caption}); }
void debug(const char* text) { debug_lines.emplace_back(text); }
bool key(int vk) { return keys_down.count(vk) != 0; }

}  // namespace

void Advance(std::uint64_t micros) { now_micros += micros; }

void Install() {
    boxes.clear();
    debug_lines.clear();
    keys_down.clear();
    now_micros = 1000000;
    platform::SetClock(&kFakeClock);
    platform::SetMessageBoxHook(box);
    platform::SetDebugOutputHook(debug);
    platform::SetKeyStateSource(key);
}

void Uninstall() {
    platform::SetClock(nullptr);
    platform::SetMessageBoxHook(nullptr);
    platform::SetDebugOutputHook(nullptr);
    platform::SetKeyStateSource(nullptr);
}

bool DebugLineContains(const std::string& part) {
    for (const auto& line : debug_lines)
        if (line.find(part) != std::string::npos) return true;
    return false;
}

}  // namespace fakes
