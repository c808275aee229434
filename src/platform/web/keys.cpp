#include "platform/keys.h"

#include <utility>

#include "platform/web/web_internal.h"

namespace platform {
namespace {

KeyStateSource g_source = nullptr;

}  // namespace

KeyStateSource SetKeyStateSource(KeyStateSource is_down) { return std::exchange(g_source, is_down); }

// The page keeps the held keys by the same codes, letters by their label.
std::int16_t GetAsyncKeyState(int vk) {
    const bool down = g_source ? g_source(vk) : ferrow_page_key_down(vk) != 0;
    return down ? std::int16_t(0x8000) : std::int16_t(0);
}

}  // namespace platform
