#include "platform/processes.h"

#include "platform/win32/win32_internal.h"

namespace platform {

long ProcessNumber() { return long(GetCurrentProcessId()); }

bool ProcessRunning(long number) {
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, DWORD(number));
    // Refused: it exists, and belongs to someone else.
    if (!process) return GetLastError() != ERROR_INVALID_PARAMETER;
    DWORD code = 0;
    const bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    CloseHandle(process);
    return running;
}

}  // namespace platform
