// What the fuzz targets share: SDL's dummy drivers, fatal reports recorded
// instead of shown, the game's display opened (and opened again after a
// report released it), and a folder of the process's own for the input, since
// the game reads its pictures, sounds and table from files.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {
class Window;
}

namespace harness {

// Dummy drivers, report and debug-line hooks, the input folder; once, from
// LLVMFuzzerInitialize.
void Start();

// The window and the display as the game sets them up; a display left over
// is released first, the window kept. Aborts when they cannot be had.
void OpenDisplay();
// The window OpenDisplay made, for the sound set-up.
platform::Window* Window();

// Whether a fatal report came since the last call; clears the record and the
// ending state it set, so the next input starts as the first did. A report
// releases the display: the caller opens it again.
bool TakeReport();
// The text of the last report, for a target that treats one as a fault.
const std::string& LastReport();

// The folder of this process's inputs, without a trailing '/'.
const std::string& Folder();
// Writes the bytes to Folder()/name and returns the file's path.
std::string WriteInput(const char* name, const std::uint8_t* data, std::size_t size);

// Prints what went wrong and aborts, so the fuzzer keeps the input.
[[noreturn]] void Fault(const char* what, const std::string& detail = std::string());

}  // namespace harness
