// ferrow: a shooting gallery over a sunny sea.
#include <cstring>

#include "platform/window.h"
#include "shell/main_loop.h"

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--windowed") == 0) platform::SetWindowedStart(true);
    return WinMain();
}
