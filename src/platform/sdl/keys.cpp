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

bool keyboard_down(int vk) {
    const Uint8* state = SDL_GetKeyboardState(nullptr);
    if (vk == VK_RETURN)
        return internal::EnterCountsAsDown(state[SDL_SCANCODE_RETURN] || state[SDL_SCANCODE_KP_ENTER],
                                           state[SDL_SCANCODE_LALT] || state[SDL_SCANCODE_RALT]);
    SDL_Scancode code = scancode_of(vk);
    return code != SDL_SCANCODE_UNKNOWN && state[code];
}

}  // namespace

KeyStateSource SetKeyStateSource(KeyStateSource is_down) { return std::exchange(g_source, is_down); }

std::int16_t GetAsyncKeyState(int vk) {
    bool down = g_source ? g_source(vk) : keyboard_down(vk);
    return down ? std::int16_t(0x8000) : std::int16_t(0);
}

}  // namespace platform
