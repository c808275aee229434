// The files of Windows: every name goes through the wide calls, so that a
// folder named in any language is found.
#include "platform/files.h"

#include <io.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/processes.h"
#include "platform/win32/win32_internal.h"

namespace platform {

namespace fs = std::filesystem;

// The folder's rights say little here (Program Files is not read-only, yet
// only an administrator may write in it): a file is made there to see.
bool IsWritableDirectory(const std::string& path) {
    if (!IsDirectory(path)) return false;
    const fs::path probe = fs::u8path(path) / (L"ferrow-probe-" + std::to_wstring(ProcessNumber()) + L".tmp");
    const HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

std::string ExecutableDirectory() {
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, name.data(), DWORD(name.size()));
        if (n == 0) return std::string();
        if (n < name.size()) {
            name.resize(n);
            break;
        }
        name.resize(name.size() * 2);
    }
    return fs::path(name).parent_path().u8string();
}

std::string UserDataDirectory() {
    const wchar_t* appdata = _wgetenv(L"APPDATA");
    if (!appdata || !*appdata) return std::string();
    const fs::path folder = fs::path(appdata) / L"ferrow";
    std::error_code ec;
    fs::create_directories(folder, ec);
    return folder.u8string();
}

bool FlushToDisk(std::FILE* file) {
    if (std::fflush(file) != 0) return false;
    const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
    return handle != INVALID_HANDLE_VALUE && FlushFileBuffers(handle);
}

std::FILE* internal::OpenNamedFile(const std::string& path, const char* mode) {
    return _wfopen(Wide(path).c_str(), Wide(mode).c_str());
}

}  // namespace platform
