#pragma once

#include <memory>
#include <streambuf>

namespace quellorn::platform::win32 {

enum class StdStream { kOutput, kError };

// A stream buffer over the process's standard output or error that keeps what it is given
// until a flush and then writes it with one call: WriteConsoleW when the handle is a console,
// so that names outside the code page show as they are, else one WriteFile of the UTF-8 bytes
// (to a file, a pipe or NUL). The C runtime would write an unbuffered stream to a character
// device one character at a time. Whatever is left is written when the buffer goes.
std::unique_ptr<std::streambuf> MakeStdStreamBuffer(StdStream stream);

}  // namespace quellorn::platform::win32
