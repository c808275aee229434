#include "platform/messages.h"

#include "platform/keys.h"
#include "platform/sdl/sdl_internal.h"

namespace platform {
namespace {

// One SDL event as a message; false for events the game has no message for.
bool translate(const SDL_Event& e, Message* msg) {
    Window* w = internal::CurrentWindow();
    *msg = Message{};
    msg->window = w;
    switch (e.type) {
        case SDL_QUIT:
            msg->message = WM_CLOSE;
            return true;
        case SDL_WINDOWEVENT:
            if (!w) return false;
            switch (e.window.event) {
                case SDL_WINDOWEVENT_CLOSE: msg->message = WM_CLOSE; return true;
                case SDL_WINDOWEVENT_FOCUS_GAINED:
                case SDL_WINDOWEVENT_RESTORED:
                case SDL_WINDOWEVENT_SHOWN: internal::SetWindowActive(true, msg); break;
                case SDL_WINDOWEVENT_FOCUS_LOST:
                case SDL_WINDOWEVENT_MINIMIZED:
                case SDL_WINDOWEVENT_HIDDEN: internal::SetWindowActive(false, msg); break;
                case SDL_WINDOWEVENT_SIZE_CHANGED:
                    internal::UpdatePointerConfinement();
                    internal::InvalidateBars();
                    break;
                case SDL_WINDOWEVENT_EXPOSED: internal::InvalidateBars(); break;
                default: break;
            }
            return msg->message != WM_NULL;
        case SDL_MOUSEMOTION: internal::MouseMessage(msg, WM_MOUSEMOVE, e.motion.x, e.motion.y); return true;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            const bool down = e.type == SDL_MOUSEBUTTONDOWN;
            if (e.button.button == SDL_BUTTON_LEFT) internal::MouseMessage(msg, down ? WM_LBUTTONDOWN : WM_LBUTTONUP, e.button.x, e.button.y);
            else if (e.button.button == SDL_BUTTON_RIGHT) internal::MouseMessage(msg, down ? WM_RBUTTONDOWN : WM_RBUTTONUP, e.button.x, e.button.y);
            else return false;
            return true;
        }
        case SDL_KEYDOWN: {
            if (e.key.repeat) return false;
            const SDL_Keycode key = e.key.keysym.sym;
            if (key == SDLK_RETURN || key == SDLK_KP_ENTER) {
                if (e.key.keysym.mod & KMOD_ALT) {
                    internal::EnterSwitchedDisplay();
                    internal::ToggleFullscreen();
                } else {
                    internal::EnterPressedAlone();
                }
                return false;
            }
            if (key == SDLK_ESCAPE) msg->wparam = VK_ESCAPE;
            else if (key == SDLK_F12) msg->wparam = VK_F12;
            else return false;
            msg->message = WM_KEYDOWN;
            return true;
        }
        default: return false;
    }
}

}  // namespace

namespace internal {

bool PollEvent(Message* msg) {
    SDL_Event e;
    while (SDL_PollEvent(&e))
        if (translate(e, msg)) return true;
    return false;
}

bool WaitEvent(Message* msg) {
    SDL_Event e;
    while (SDL_WaitEvent(&e))
        if (translate(e, msg)) return true;
    return false;
}

}  // namespace internal

void PumpEvents() {
    if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_PumpEvents();
}

}  // namespace platform
