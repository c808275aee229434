// Running programs by their process number: a file a program writes under
// its own number is its own while that program runs.
#pragma once

namespace platform {

long ProcessNumber();
// False only when no process of that number exists.
bool ProcessRunning(long number);

}  // namespace platform
