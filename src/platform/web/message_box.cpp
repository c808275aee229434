#include <emscripten.h>

#include "platform/web/web_internal.h"

namespace platform::internal {

// The page's dialog, waited out as a desktop box would be, so that two
// reports in a row are read one after the other.
bool ShowBox(const char* text, const char* caption) {
    if (!ferrow_page_report(caption, text)) return false;
    while (ferrow_page_report_open()) emscripten_sleep(50);
    return true;
}

}  // namespace platform::internal
