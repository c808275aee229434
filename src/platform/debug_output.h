// Debug lines: lesser problems, never shown to the player.
#pragma once

namespace platform {

// Written to stderr exactly as given, with no newline added.
void OutputDebugString(const char* text);

}  // namespace platform
