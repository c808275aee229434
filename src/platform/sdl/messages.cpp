#include "platform/messages.h"

#include "platform/sdl/sdl_internal.h"
#include "platform/keys.h"

namespace platform {
namespace {

const MessageSource* g_source = nullptr;
bool g_quit_posted = false;
int g_quit_code = 0;

void set_active(Window* w, bool active, Message* msg) {
    if (w->active == active) return;
    w->active = active;
    if (!active) internal::OnDeactivate();
    internal::SetAudioActive(active);
    msg->message = WM_ACTIVATEAPP;
    msg->wparam = active ? 1 : 0;
}

void mouse(Message* msg, std::uint32_t code, int wx, int wy) {
    int x = 0, y = 0;
    internal::WindowToImage(wx, wy, &x, &y);
    msg->message = code;
    msg->lparam = MakeLParam(x, y);
}

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
                case SDL_WINDOWEVENT_SHOWN: set_active(w, true, msg); break;
                case SDL_WINDOWEVENT_FOCUS_LOST:
                case SDL_WINDOWEVENT_MINIMIZED:
                case SDL_WINDOWEVENT_HIDDEN: set_active(w, false, msg); break;
                case SDL_WINDOWEVENT_SIZE_CHANGED:
                    internal::UpdatePointerConfinement();
                    internal::InvalidateBars();
                    break;
                case SDL_WINDOWEVENT_EXPOSED: internal::InvalidateBars(); break;
                default: break;
            }
            return msg->message != WM_NULL;
        case SDL_MOUSEMOTION: mouse(msg, WM_MOUSEMOVE, e.motion.x, e.motion.y); return true;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            const bool down = e.type == SDL_MOUSEBUTTONDOWN;
            if (e.button.button == SDL_BUTTON_LEFT) mouse(msg, down ? WM_LBUTTONDOWN : WM_LBUTTONUP, e.button.x, e.button.y);
            else if (e.button.button == SDL_BUTTON_RIGHT) mouse(msg, down ? WM_RBUTTONDOWN : WM_RBUTTONUP, e.button.x, e.button.y);
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

bool quit_message(Message* msg) {
    if (!g_quit_posted) return false;
    *msg = Message{};
    msg->window = internal::CurrentWindow();
    msg->message = WM_QUIT;
    msg->wparam = std::uintptr_t(g_quit_code);
    return true;
}

bool events_peek(Message* msg) {
    SDL_Event e;
    while (SDL_PollEvent(&e))
        if (translate(e, msg)) return true;
    return false;
}

bool events_wait(Message* msg) {
    SDL_Event e;
    while (SDL_WaitEvent(&e))
        if (translate(e, msg)) return true;
    return false;
}

}  // namespace

void SetMessageSource(const MessageSource* source) { g_source = source; }

void ResetQuit() {
    g_quit_posted = false;
    g_quit_code = 0;
}

void PostQuitMessage(int code) {
    if (g_quit_posted) return;
    g_quit_posted = true;
    g_quit_code = code;
}

bool PeekMessage(Message* msg) {
    if (quit_message(msg)) return true;
    return g_source ? g_source->peek(msg) : events_peek(msg);
}

bool GetMessage(Message* msg) {
    if (quit_message(msg)) return false;
    const bool got = g_source ? g_source->wait(msg) : events_wait(msg);
    if (!got) {
        // No more events can come (video gone): end as if asked to.
        *msg = Message{};
        msg->message = WM_QUIT;
        return false;
    }
    return true;
}

void PumpEvents() {
    if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_PumpEvents();
}

}  // namespace platform
