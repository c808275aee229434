#include "platform/window.h"

#include <vector>

#include "platform/resources.h"
#include "platform/testing/fault_injection.h"
#include "platform/web/web_internal.h"

namespace platform {
namespace {

bool g_video = false;

}  // namespace

// The page's canvas is the display.
bool StartVideo() {
    if (g_video) return true;
    if (CallFails(Operation::StartVideo) || !ferrow_page_open(kImageWidth, kImageHeight)) return false;
    g_video = true;
    return true;
}

// The crosshair's pixels (the key see-through) in the page's byte order.
struct Cursor {
    std::vector<std::uint8_t> rgba;
    int w = 0, h = 0;
};
// The page shows its own icon.
struct Icon {};

Cursor* LoadCursor(const char* name) {
    if (!StartVideo()) return nullptr;
    std::vector<std::uint32_t> argb;
    auto* cursor = new Cursor;
    if (!internal::KeyedArgb(name, ResourceType::Cursor, &argb, &cursor->w, &cursor->h)) {
        delete cursor;
        return nullptr;
    }
    cursor->rgba.reserve(argb.size() * 4);
    for (std::uint32_t p : argb) {
        cursor->rgba.push_back(std::uint8_t(p >> 16));
        cursor->rgba.push_back(std::uint8_t(p >> 8));
        cursor->rgba.push_back(std::uint8_t(p));
        cursor->rgba.push_back(std::uint8_t(p >> 24));
    }
    return cursor;
}

Icon* LoadIcon(const char*) { return new Icon; }

Window* CreateWindow(const char*, Icon* icon, Cursor* cursor) {
    delete icon;
    if (!StartVideo() || CallFails(Operation::CreateWindow)) {
        delete cursor;
        return nullptr;
    }
    auto* window = new Window;
    if (cursor) {
        // The hot spot is the crosshair's centre dot; the pointer is never
        // hidden.
        ferrow_page_set_cursor(cursor->rgba.data(), cursor->w, cursor->h, 15, 16);
        delete cursor;
    }
    // A page opened in a background tab starts inactive; focus and
    // visibility events keep the flag from then on.
    internal::SetCurrentWindow(window, ferrow_page_active() != 0);
    return window;
}

// The page's window holds nothing of the browser's.
void internal::FreeWindow(Window* window) { delete window; }

// The game is over: the page offers another.
void ShutdownVideo() {
    if (!g_video) return;
    g_video = false;
    internal::EndPageEvents();
    ferrow_page_ended();
}

}  // namespace platform
