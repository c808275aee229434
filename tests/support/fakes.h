// Stand-ins for the outside world: a clock that moves only when told (or when
// slept on), recorded message boxes and debug lines, a scripted keyboard.
#pragma once
#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace fakes {

struct Box {
    std::string text, caption;
};

// Everything recorded since Install().
extern std::vector<Box> boxes;
extern std::vector<std::string> debug_lines;
extern std::set<int> keys_down;

// The fake clock: each reading of the fine clock moves it on a microsecond,
// so spinning waits end; sleeping moves it by the time slept.
extern std::uint64_t now_micros;
extern std::int64_t calendar_offset;
void Advance(std::uint64_t micros);

// Installs clock, message box, debug and key hooks, clears the records.
void Install();
// Restores the real ones.
void Uninstall();

bool DebugLineContains(const std::string& part);

}  // namespace fakes
