#include "platform/keys.h"

#include "platform/win32/win32_internal.h"

namespace platform {
namespace {

bool (*g_source)(int) = nullptr;

// The Enter of an Alt+Enter, until it is seen up.
bool g_enter_of_switch = false;

bool held(int vk) { return (::GetAsyncKeyState(vk) & 0x8000) != 0; }

// The game's virtual-key codes are Windows' own, and Windows gives letters
// by their label: Z is Z on a German keyboard too. VK_RETURN covers the
// keypad's Enter as well.
bool keyboard_down(int vk) {
    if (vk == VK_RETURN) {
        // Alt+Enter switches the display mode; it must never confirm a name.
        const bool enter = held(VK_RETURN);
        if (!enter) g_enter_of_switch = false;
        if (g_enter_of_switch || held(VK_MENU)) return false;
        return enter;
    }
    return held(vk);
}

}  // namespace

namespace internal {

void EnterSwitchedDisplay() { g_enter_of_switch = true; }
void EnterPressedAlone() { g_enter_of_switch = false; }

}  // namespace internal

void SetKeyStateSource(bool (*is_down)(int)) { g_source = is_down; }

std::int16_t GetAsyncKeyState(int vk) {
    const bool down = g_source ? g_source(vk) : keyboard_down(vk);
    return down ? std::int16_t(0x8000) : std::int16_t(0);
}

}  // namespace platform
