// A small or read-only tmpfs of the test's own where tests may mount one (root in a container); else Usable() is false.
#pragma once
#ifdef __linux__
#include <sys/mount.h>
#endif

#include <filesystem>
#include <string>

class SmallDisk {
public:
    SmallDisk(const std::filesystem::path& at, const std::string& size) : at_(at) {
        std::filesystem::create_directories(at_);
#ifdef __linux__
        mounted_ = mount("tmpfs", at_.c_str(), "tmpfs", 0, ("size=" + size).c_str()) == 0;
#else
        (void)size;
#endif
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;
#ifdef __linux__
    ~SmallDisk() { if (mounted_) umount2(at_.c_str(), MNT_DETACH); }
    bool MakeReadOnly() { return mount(nullptr, at_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0; }
#else
    bool MakeReadOnly() { return false; }
#endif
    bool Usable() const { return mounted_; }

private:
    std::filesystem::path at_;
    bool mounted_ = false;
};
