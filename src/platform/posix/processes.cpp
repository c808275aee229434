#include "platform/processes.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>

namespace platform {

long ProcessNumber() { return long(getpid()); }

// A signal of 0 is sent to nobody; it only asks whether the process exists.
bool ProcessRunning(long number) { return !(kill(pid_t(number), 0) != 0 && errno == ESRCH); }

}  // namespace platform
