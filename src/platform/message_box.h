// The modal message box of fatal reports.
#pragma once

namespace platform {

// Leaves full-screen and shows the box; with no display the text goes to
// stderr. Texts are UTF-8.
void MessageBox(const char* text, const char* caption);

}  // namespace platform
