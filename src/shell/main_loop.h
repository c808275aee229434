// The program's spine: entry, window, window procedure, message loop, shut-down.
#pragma once
#include <cstdint>

#include "game/game_flow.h"
#include "layers/mouse_position.h"
#include "platform/messages.h"
#include "platform/window.h"

extern platform::Window* hauptfenster;
extern int programmaktiv;             // non-zero while the program is the active one
extern int linkssperre, rechtssperre; // 1 = a press was taken and not yet released
extern bool beendigunglaeuft;         // the shut-down path has begun

// Runs the game; the exit status: 0 on a normal end, 1 after a fatal report.
int WinMain();

// Window, display, sound and game start-up; 1 = done, 0 = no window.
int initfenster();

// Turns one message into game actions; always answers 0.
std::intptr_t fensterproc(platform::Window* fenster, std::uint32_t nachricht, std::uintptr_t wparam,
                          std::intptr_t lparam);

// Releases every display and sound object, each once, handles set to null.
void aufraeumen();

// Escape, F12 or closing the window: save, logo, release, quit. Runs once.
void programmbeenden();
