#include "platform/keys.h"

#include <utility>

#include "platform/win32/win32_internal.h"

namespace platform {
namespace {

KeyStateSource g_source = nullptr;

bool held(int vk) { return (::GetAsyncKeyState(vk) & 0x8000) != 0; }

// The game's virtual-key codes are Windows' own, and Windows gives letters
// by their label: Z is Z on a German keyboard too. VK_RETURN covers the
// keypad's Enter as well.
bool keyboard_down(int vk) {
    return vk == VK_RETURN ? internal::EnterCountsAsDown(held(VK_RETURN), held(VK_MENU)) : held(vk);
}

}  // namespace

KeyStateSource SetKeyStateSource(KeyStateSource is_down) { return std::exchange(g_source, is_down); }

std::int16_t GetAsyncKeyState(int vk) {
    const bool down = g_source ? g_source(vk) : keyboard_down(vk);
    return down ? std::int16_t(0x8000) : std::int16_t(0);
}

}  // namespace platform
