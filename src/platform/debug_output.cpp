#include "platform/debug_output.h"

#include <cstdio>

#include "platform/testing/test_hooks.h"

namespace platform {
namespace {
void (*g_hook)(const char*) = nullptr;
}

void SetDebugOutputHook(void (*hook)(const char*)) { g_hook = hook; }

void OutputDebugString(const char* text) {
    if (!text) return;
    if (g_hook) {
        g_hook(text);
        return;
    }
    std::fputs(text, stderr);
    std::fflush(stderr);
}

}  // namespace platform
