// The browser backend's own state, and the page's side of it (browser.js);
// only src/platform/web includes this.
#pragma once
#include <cstdint>

#include "platform/internal.h"

namespace platform {

// The canvas is the page's one window; it needs no handles of its own.
class Window {};

namespace internal {

// Event kinds as the page queues them.
enum PageEvent : std::int32_t { kPageMove = 1, kPageButtonDown, kPageButtonUp, kPageKeyDown, kPageActive };

// Video has ended: a wait for a message ends at once.
void EndPageEvents();

// The page gets its turn at least once a frame: a frame that ran past its
// time does not wait for the next, and without this a slow machine's page
// would never again see an event or draw.
void HandOverIfNotSlept();

}  // namespace internal
}  // namespace platform

extern "C" {
int ferrow_page_open(int width, int height);
int ferrow_page_active();
// out: kind, then up to three values (move: x, y; button: 0 left or 1 right,
// x, y; key: the virtual-key code; active: 1 or 0).
int ferrow_page_next_event(std::int32_t* out);
int ferrow_page_key_down(int vk);
void ferrow_page_present(const std::uint8_t* rgba);
void ferrow_page_frame(double work_ms);
void ferrow_page_set_cursor(const std::uint8_t* rgba, int width, int height, int hot_x, int hot_y);
int ferrow_page_report(const char* caption, const char* text);
int ferrow_page_report_open();
void ferrow_page_ended();
int ferrow_audio_open(int channels, std::int16_t* buffer, int frames);
void ferrow_audio_pause(int paused);
void ferrow_audio_close();
}
