#include "platform/message_box.h"

#include <cstdio>

#include "platform/internal.h"
#include "platform/testing/test_hooks.h"

namespace platform {
namespace {
void (*g_hook)(const char*, const char*) = nullptr;
}

void SetMessageBoxHook(void (*hook)(const char*, const char*)) { g_hook = hook; }

void MessageBox(const char* text, const char* caption) {
    if (g_hook) {
        g_hook(text, caption);
        return;
    }
    if (!internal::ShowBox(text, caption)) std::fprintf(stderr, "%s%s\n", caption, text);
}

}  // namespace platform
