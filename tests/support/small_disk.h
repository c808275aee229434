// A small or read-only tmpfs of the test's own where tests may mount one (root in a container); else Usable() is false.
#pragma once
#include <sys/mount.h>

#include <filesystem>
#include <string>

class SmallDisk {
public:
    SmallDisk(const std::filesystem::path& at, const std::string& size) : at_(at) {
        std::filesystem::create_directories(at_);
        mounted_ = mount("tmpfs", at_.c_str(), "tmpfs", 0, ("size=" + size).c_str()) == 0;
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;
    ~SmallDisk() { if (mounted_) umount2(at_.c_str(), MNT_DETACH); }
    bool Usable() const { return mounted_; }
    bool MakeReadOnly() { return mount(nullptr, at_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0; }

private:
    std::filesystem::path at_;
    bool mounted_ = false;
};
