#include <fcntl.h>
#include <signal.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstdio>

#include "platform/sdl/sdl_internal.h"

namespace platform::internal {
namespace {

// Where the kernel lists the processes that the box's thread has started.
char children[64];

// SDL turns SIGTERM and SIGINT into a quit event, which the box never reads:
// a desktop's log-out or a time-out would wait on it for ever. While it
// shows, either ends it as if it were confirmed. SDL shows the box from a
// process of its own, which this ends, so that the box goes too and the
// report's shut-down goes on; without one, the program ends here, with the
// status a fatal report gives.
void end_as_confirmed(int) {
    bool ended = false;
    const int fd = open(children, O_RDONLY);
    if (fd >= 0) {
        char list[256];
        const ssize_t n = read(fd, list, sizeof list);
        close(fd);
        long pid = 0;
        for (ssize_t i = 0; i < n; ++i) {
            if (list[i] >= '0' && list[i] <= '9') {
                pid = pid * 10 + (list[i] - '0');
            } else if (pid > 0) {
                ended = kill(pid_t(pid), SIGKILL) == 0 || ended;
                pid = 0;
            }
        }
    }
    if (!ended) _exit(1);
}

}  // namespace

bool ShowBox(const char* text, const char* caption) {
    LeaveFullscreen();
    Window* w = CurrentWindow();
    std::snprintf(children, sizeof children, "/proc/self/task/%ld/children", long(syscall(SYS_gettid)));
    struct sigaction ends = {}, old_term = {}, old_int = {};
    ends.sa_handler = end_as_confirmed;
    sigemptyset(&ends.sa_mask);
    sigaction(SIGTERM, &ends, &old_term);
    sigaction(SIGINT, &ends, &old_int);
    const bool shown = SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption, text, w ? w->sdl : nullptr) == 0;
    sigaction(SIGTERM, &old_term, nullptr);
    sigaction(SIGINT, &old_int, nullptr);
    return shown;
}

}  // namespace platform::internal
