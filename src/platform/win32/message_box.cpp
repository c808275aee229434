#include "platform/win32/win32_internal.h"

namespace platform::internal {

bool ShowBox(const char* text, const char* caption) {
    LeaveFullscreen();
    Window* w = CurrentWindow();
    return MessageBoxW(w ? w->hwnd : nullptr, Wide(text).c_str(), Wide(caption).c_str(),
                       MB_OK | MB_ICONERROR | MB_SETFOREGROUND) != 0;
}

}  // namespace platform::internal
