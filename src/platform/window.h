// The one game window, its crosshair cursor and its icon.
#pragma once
#include <optional>

#include "platform/portable/presentation.h"

namespace platform {

class Window;
struct Cursor;
struct Icon;

// Starts video once; false where there is no display to show the game on.
bool StartVideo();

// From the program's resources; null when there is none or it is unusable.
Cursor* LoadCursor(const char* name);
Icon* LoadIcon(const char* name);

// Starts video if need be and creates the window, shown, full screen or not
// and scaled as the run's choices say, or else as the settings kept from the
// last run do (full screen and filling by default). Takes the icon and
// cursor, also when it fails. Null on failure, also when full-screen was
// asked for and refused.
Window* CreateWindow(const char* title, Icon* icon, Cursor* cursor);
// Ends the window and keeps its settings for the next run.
void DestroyWindow(Window* window);

// What the command line chose for this run, over the kept settings; an
// empty choice leaves the kept one. Neither is kept for later runs.
void SetStartChoices(std::optional<bool> windowed, std::optional<Scaling> scaling);
void SetWindowedStart(bool windowed);

// The program is the active one: its window is shown, not minimised, and has
// not lost the focus to another program.
bool IsWindowActive(const Window* window);

// Ends video; every window, cursor and icon must be gone by then.
void ShutdownVideo();

}  // namespace platform
