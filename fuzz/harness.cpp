#include "harness.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "base/fatal_report.h"
#include "graphics/display.h"
#include "platform/debug_output.h"
#include "platform/message_box.h"
#include "platform/messages.h"
#include "platform/testing/test_hooks.h"
#include "platform/window.h"
#include "shell/main_loop.h"

namespace harness {
namespace {

bool g_reported = false;
std::string g_report;
std::string g_folder;

void record_box(const char* text, const char*) {
    g_reported = true;
    g_report = text ? text : "";
}

// Debug lines are many and say nothing the fuzzer needs.
void drop_line(const char*) {}

void remove_folder() {
    std::error_code ec;
    std::filesystem::remove_all(g_folder, ec);
}

// Picture names hold 39 characters, paths included: a long TMPDIR gives way
// to /tmp.
std::string choose_folder() {
    const std::string own = "/ferrow-fuzz-" + std::to_string(::getpid());
    const char* tmp = std::getenv("TMPDIR");
    if (tmp && *tmp == '/' && std::string(tmp).size() + own.size() + 12 < 40) return tmp + own;
    return "/tmp" + own;
}

}  // namespace

void Start() {
    // Headless: no window system and no sound card needed.
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    platform::SetMessageBoxHook(record_box);
    platform::SetDebugOutputHook(drop_line);
    g_folder = choose_folder();
    std::error_code ec;
    std::filesystem::create_directories(g_folder, ec);
    if (ec) Fault("cannot make the input folder", g_folder);
    // No settings of whoever runs it: the window as a first run opens it.
    setenv("XDG_CONFIG_HOME", g_folder.c_str(), 1);
    std::atexit(remove_folder);
}

void OpenDisplay() {
    platform::SetWindowedStart(true);
    aufraeumen();
    // The window outlives a report; only the display goes with it.
    if (!hauptfenster) hauptfenster = platform::CreateWindow("fuzz", nullptr, nullptr);
    if (!hauptfenster || initdirectdraw(hauptfenster) != 0) Fault("no display on the dummy driver");
}

platform::Window* Window() { return hauptfenster; }

bool TakeReport() {
    const bool was = g_reported;
    g_reported = false;
    programmendet = false;
    platform::ResetQuit();
    return was;
}

const std::string& LastReport() { return g_report; }

const std::string& Folder() { return g_folder; }

std::string WriteInput(const char* name, const std::uint8_t* data, std::size_t size) {
    const std::string path = g_folder + "/" + name;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) Fault("cannot write the input", path);
    const bool ok = std::fwrite(data, 1, size, f) == size;
    if (std::fclose(f) != 0 || !ok) Fault("cannot write the input", path);
    return path;
}

void Fault(const char* what, const std::string& detail) {
    std::fprintf(stderr, "\n*** %s%s%s\n", what, detail.empty() ? "" : ": ", detail.c_str());
    std::abort();
}

}  // namespace harness
