// The folder of one run of the whole program in a child process of its own, for the tests that fork (POSIX only).
#pragma once
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "support/platform_fixture.h"

// Makes `ordner` the current folder of the run: its output in "stdout" and "stderr" there, the data linked in but
// "hight.dat" (written from `tabelle` unless that is empty), and settings of its own, so that each run starts without any.
inline void EnterRunFolder(const fs::path& ordner, const std::string& tabelle) {
    for (auto [fd, name] : {std::pair{1, "stdout"}, {2, "stderr"}})
        ::dup2(::open((ordner / name).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), fd);
    const fs::path daten = ordner / "data" / "set0";
    fs::create_directories(daten);
    for (const auto& e : fs::directory_iterator(FERROW_DATA_DIR))
        if (e.path().filename() != "hight.dat") fs::create_symlink(e.path(), daten / e.path().filename());
    if (!tabelle.empty()) WriteWholeFile(daten / "hight.dat", tabelle);
    fs::current_path(ordner);
    setenv("XDG_CONFIG_HOME", (ordner / "config").c_str(), 1);
}
