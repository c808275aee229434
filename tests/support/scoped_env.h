// Environment variables changed for one test and put back afterwards.
#pragma once
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class ScopedEnv {
public:
    ScopedEnv() = default;
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;
    ~ScopedEnv() { for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) Put(it->first.c_str(), it->second); }
    // A null value removes the variable.
    void Set(const char* name, const char* value) {
        const char* old = std::getenv(name);
        saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        Put(name, value ? std::optional<std::string>(value) : std::nullopt);
    }

private:
    static void Put(const char* name, const std::optional<std::string>& value) {
#ifdef _WIN32
        // An empty value removes the variable there.
        _putenv_s(name, value ? value->c_str() : "");
#else
        value ? setenv(name, value->c_str(), 1) : unsetenv(name);
#endif
    }
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};
