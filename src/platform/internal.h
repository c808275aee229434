// State shared by the platform's own files; nothing outside src/platform
// includes this. Free of any backend: the desktop's SDL backend and the
// browser's share it.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/palette_object.h"
#include "platform/portable/frame_pacing.h"
#include "platform/portable/presentation.h"
#include "platform/resources.h"
#include "platform/settings_file.h"
#include "platform/surface.h"
#include "platform/window.h"

namespace platform {

// Pixels of one byte each. Rows start at multiples of four bytes, so a
// four-byte read at any row's first pixel stays inside the image.
struct IndexedImage {
    int w = 0, h = 0, pitch = 0;
    std::unique_ptr<std::uint8_t[]> pixels;
    std::uint8_t* row(int y) { return pixels.get() + std::size_t(y) * std::size_t(pitch); }
    const std::uint8_t* row(int y) const { return pixels.get() + std::size_t(y) * std::size_t(pitch); }
};

// A zero-filled image; null when out of memory.
std::unique_ptr<IndexedImage> NewIndexedImage(int w, int h);

struct Surface::Impl {
    std::unique_ptr<IndexedImage> plain;  // the pixels; blits read and write them directly
    std::uint8_t key = 0;                 // the colour a keyed blit leaves out
    bool primary = false;
    Surface* back = nullptr;              // primary only: its back buffer
};

namespace internal {

// One palette shared by every surface, so that blits between them copy
// indices unchanged. A grey ramp until the game sets its own.
const std::array<PALETTEENTRY, 256>& SharedColours();
void SetSharedColours(const std::array<PALETTEENTRY, 256>& entries);

// The window the display works on, and its primary surface (null if none).
// A window becomes current when the backend has made it, active or not.
Window* CurrentWindow();
void SetCurrentWindow(Window* window, bool active);
Surface* CurrentPrimary();
// The primary is going: forget it and free the palette attached to it.
void ReleasePrimary(Surface* primary);
// The current window became the active one or stopped being it: sound and
// the display follow, and msg becomes the WM_ACTIVATEAPP that tells the
// game. False, and msg untouched, when nothing changed.
bool SetWindowActive(bool active, Message* msg);
// The backend's handles of a window no longer current, and the window.
void FreeWindow(Window* window);

// The settings a backend's window starts with: those kept from the last run
// (read now; a file that cannot be used gives the defaults and one line on
// stderr), with the run's choices over them. The backend tells what the
// player changes: full screen switched, the window's size. The settings
// are written back when the window goes, if anything changed or the file
// could not be used.
const DisplaySettings& OpenSettings();
const DisplaySettings& RunSettings();
void KeepFullscreen(bool fullscreen);
void KeepWindowSize(int w, int h);
void SaveSettings();

// The backend's screen, where flipped pictures are shown. Open: null when
// the window cannot show them. SetMode: the picture's size where the window
// does not cover the screen. Prepare: ready for the flip chain. Colours:
// null for the grey ramp. Convert then Present show a picture; FrameStarts
// follows the frame pacing's wait.
struct Screen;
Screen* OpenScreen(Window* window);
void CloseScreen(Screen* screen);
void ScreenSetMode(Screen* screen);
bool ScreenPrepare(Screen* screen);
void ScreenSetColours(Screen* screen, const std::array<PALETTEENTRY, 256>* entries);
bool ScreenConvert(Screen* screen, const IndexedImage& image);
bool ScreenPresent(Screen* screen);
void ScreenFrameStarts(Screen* screen);
// The open display's screen, or null.
Screen* CurrentScreen();

// The display's view of the window: leaving full-screen for a message box,
// and the pointer's confinement to the image.
void LeaveFullscreen();
void UpdatePointerConfinement();

// Enter, pressed with Alt, switched the display: it does not count as down
// until it is seen up, or pressed again on its own; nor while Alt is held.
void EnterSwitchedDisplay();
void EnterPressedAlone();
bool EnterCountsAsDown(bool enter_held, bool alt_held);

// A palette's colour i as the screen shows it: the grey ramp without a
// palette, and entries 0 and 255 black and white whatever it says.
PALETTEENTRY ShownColour(const std::array<PALETTEENTRY, 256>* entries, int i);

// A window point mapped onto the image, clamped.
void WindowToImage(int wx, int wy, int* ix, int* iy);

// The sound card's stream of 16-bit frames, which it pulls from fill, on a
// thread of its own or between frames. It opens paused, at about 44.1 kHz
// in stereo; rate and channels say what it took. Silent: an output that
// plays nowhere, for machines without sound. False: no output.
bool OpenAudioOutput(void (*fill)(void* user, std::int16_t* out, std::size_t frames), void* user, bool silent,
                     int* rate, int* channels);
void CloseAudioOutput();
void PauseAudioOutput(bool paused);
bool AudioOutputPaused();
// While locked, fill is not running and does not start.
void LockAudioOutput();
void UnlockAudioOutput();

// The backend's events as messages: the next one without waiting (false:
// none), and the next one however long it takes (false: none can come).
bool PollEvent(Message* msg);
bool WaitEvent(Message* msg);
// A mouse message at a window point, mapped onto the image.
void MouseMessage(Message* msg, std::uint32_t code, int wx, int wy);

// The backend's time: ticks, fine and coarse monotonic time, calendar
// seconds and sleep, for when no test has set a clock of its own.
const Clock& RealClock();
// The backend's modal box, out of full screen; false where it has none.
bool ShowBox(const char* text, const char* caption);

// Called when the program stops being the active one.
void OnDeactivate();
// Sound pauses while the program is in the background, and goes on after.
void SetAudioActive(bool active);

// The system's stream of a file named in UTF-8, with fopen's modes.
std::FILE* OpenNamedFile(const std::string& path, const char* mode);

// A cursor or icon resource (an 8-bit bitmap keyed by its top-left pixel) as
// 0xAARRGGBB pixels, row after row, the key see-through; false if unusable.
bool KeyedArgb(const char* name, ResourceType type, std::vector<std::uint32_t>* pixels, int* w, int* h);

}  // namespace internal
}  // namespace platform
