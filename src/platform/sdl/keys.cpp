#include "platform/keys.h"

#include <SDL.h>

#include <utility>

#include "platform/internal.h"

namespace platform {
namespace {

KeyStateSource g_source = nullptr;

// Letters are found by the key's label, so Z is Z on any keyboard layout.
SDL_Scancode scancode_of(int vk) {
    if (vk >= 'A' && vk <= 'Z') return SDL_GetScancodeFromKey(SDL_Keycode('a' + (vk - 'A')));
    switch (vk) {
        case VK_BACK: return SDL_SCANCODE_BACKSPACE;
        case VK_RETURN: return SDL_SCANCODE_RETURN;
        case VK_ESCAPE: return SDL_SCANCODE_ESCAPE;
        case VK_SPACE: return SDL_SCANCODE_SPACE;
        case VK_LEFT: return SDL_SCANCODE_LEFT;
        case VK_UP: return SDL_SCANCODE_UP;
        case VK_RIGHT: return SDL_SCANCODE_RIGHT;
        case VK_DOWN: return SDL_SCANCODE_DOWN;
        case VK_F1: return SDL_SCANCODE_F1;
        case VK_F2: return SDL_SCANCODE_F2;
        case VK_F12: return SDL_SCANCODE_F12;
        default: return SDL_SCANCODE_UNKNOWN;
    }
}

// The Enter of an Alt+Enter, until it is seen up.
bool g_enter_of_switch = false;

bool keyboard_down(int vk) {
    const Uint8* state = SDL_GetKeyboardState(nullptr);
    if (vk == VK_RETURN) {
        // Alt+Enter switches the display mode; it must never confirm a name.
        // Alt alone does not tell: a window manager moves the focus during
        // the switch, and the key state read back afterwards may show Enter
        // still down when Alt is already up.
        const bool enter = state[SDL_SCANCODE_RETURN] || state[SDL_SCANCODE_KP_ENTER];
        if (!enter) g_enter_of_switch = false;
        if (g_enter_of_switch || state[SDL_SCANCODE_LALT] || state[SDL_SCANCODE_RALT]) return false;
        return enter;
    }
    SDL_Scancode code = scancode_of(vk);
    return code != SDL_SCANCODE_UNKNOWN && state[code];
}

}  // namespace

namespace internal {

void EnterSwitchedDisplay() { g_enter_of_switch = true; }
void EnterPressedAlone() { g_enter_of_switch = false; }

}  // namespace internal

KeyStateSource SetKeyStateSource(KeyStateSource is_down) { return std::exchange(g_source, is_down); }

std::int16_t GetAsyncKeyState(int vk) {
    bool down = g_source ? g_source(vk) : keyboard_down(vk);
    return down ? std::int16_t(0x8000) : std::int16_t(0);
}

}  // namespace platform
