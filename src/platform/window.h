// The one game window, its crosshair cursor and its icon.
#pragma once

namespace platform {

class Window;
struct Cursor;
struct Icon;

// Starts video once; false where there is no display to show the game on.
bool StartVideo();

// From the program's resources; null when there is none or it is unusable.
Cursor* LoadCursor(const char* name);
Icon* LoadIcon(const char* name);

// Starts video if need be and creates the window, shown, in the mode chosen by
// SetWindowedStart (full-screen unless told otherwise). Takes the icon and
// cursor, also when it fails. Null on failure, also when full-screen was
// asked for and refused.
Window* CreateWindow(const char* title, Icon* icon, Cursor* cursor);
void DestroyWindow(Window* window);

void SetWindowedStart(bool windowed);

// The program is the active one: its window is shown, not minimised, and has
// not lost the focus to another program.
bool IsWindowActive(const Window* window);

// Ends video; every window, cursor and icon must be gone by then.
void ShutdownVideo();

}  // namespace platform
