// ferrow: a shooting gallery over a sunny sea.
#include <cstdio>

#include "shell/command_line.h"
#include "shell/main_loop.h"

int main(int argc, char** argv) {
    const int status = befehlszeile(argc, argv, stdout, stderr);
    if (status != kSpielen) return status;
    return WinMain();
}
