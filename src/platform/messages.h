// The window's events as the messages the window procedure handles.
#pragma once
#include <cstdint>

namespace platform {

class Window;

constexpr std::uint32_t WM_NULL = 0x0000;
constexpr std::uint32_t WM_CLOSE = 0x0010;
constexpr std::uint32_t WM_QUIT = 0x0012;
constexpr std::uint32_t WM_ACTIVATEAPP = 0x001C;
constexpr std::uint32_t WM_KEYDOWN = 0x0100;
constexpr std::uint32_t WM_MOUSEMOVE = 0x0200;
constexpr std::uint32_t WM_LBUTTONDOWN = 0x0201;
constexpr std::uint32_t WM_LBUTTONUP = 0x0202;
constexpr std::uint32_t WM_RBUTTONDOWN = 0x0204;
constexpr std::uint32_t WM_RBUTTONUP = 0x0205;

// Mouse messages carry the position in the image's pixels as
// (y << 16) | x; x and y are never negative.
struct Message {
    Window* window = nullptr;
    std::uint32_t message = WM_NULL;
    std::uintptr_t wparam = 0;
    std::intptr_t lparam = 0;
};

inline std::intptr_t MakeLParam(int lo, int hi) { return std::intptr_t((std::uint32_t(hi) & 0xFFFF) << 16 | (std::uint32_t(lo) & 0xFFFF)); }
inline int LoWord(std::intptr_t l) { return int(std::uint32_t(l) & 0xFFFF); }
inline int HiWord(std::intptr_t l) { return int((std::uint32_t(l) >> 16) & 0xFFFF); }

// Takes the next message without waiting; false when there is none.
bool PeekMessage(Message* msg);
// Waits for the next message; false when it is the quit message.
bool GetMessage(Message* msg);
// The next message retrieved is WM_QUIT with this code as wparam.
void PostQuitMessage(int code);
// Keeps the window responsive while the thread holds: events stay queued.
void PumpEvents();

}  // namespace platform
