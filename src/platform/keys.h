// Key state by virtual-key code: is a key held at the moment of the call.
#pragma once
#include <cstdint>

namespace platform {

constexpr int VK_BACK = 0x08;
constexpr int VK_RETURN = 0x0D;
constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_SPACE = 0x20;
constexpr int VK_LEFT = 0x25;
constexpr int VK_UP = 0x26;
constexpr int VK_RIGHT = 0x27;
constexpr int VK_DOWN = 0x28;
constexpr int VK_F1 = 0x70;
constexpr int VK_F2 = 0x71;
constexpr int VK_F12 = 0x7B;
// 'A' to 'Z' are their own codes.

// The top bit (0x8000) is set while the key is down.
std::int16_t GetAsyncKeyState(int vk);
// The same, as a yes or no.
inline bool IsKeyDown(int vk) { return (GetAsyncKeyState(vk) & 0x8000) != 0; }

// Tests answer "is it down" themselves; null restores the keyboard. Returns
// the source it replaces, so that one laid over another can ask the one below.
using KeyStateSource = bool (*)(int vk);
KeyStateSource SetKeyStateSource(KeyStateSource is_down);

}  // namespace platform
