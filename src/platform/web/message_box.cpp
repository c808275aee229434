#include "platform/message_box.h"

#include <emscripten.h>

#include <cstdio>

#include "platform/web/web_internal.h"

namespace platform {
namespace {
void (*g_hook)(const char*, const char*) = nullptr;
}

void SetMessageBoxHook(void (*hook)(const char*, const char*)) { g_hook = hook; }

// The page's dialog, waited out as a desktop box would be, so that two
// reports in a row are read one after the other.
void MessageBox(const char* text, const char* caption) {
    if (g_hook) {
        g_hook(text, caption);
        return;
    }
    if (!ferrow_page_report(caption, text)) {
        std::fprintf(stderr, "%s%s\n", caption, text);
        return;
    }
    while (ferrow_page_report_open()) emscripten_sleep(50);
}

}  // namespace platform
