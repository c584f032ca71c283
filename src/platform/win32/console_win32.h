#pragma once

#include <memory>
#include <streambuf>

namespace quellorn::platform::win32 {

// Stream buffers over the process's standard output and error that keep what they are given
// until a flush and then write it whole: one WriteFile of the UTF-8 bytes to a file, a pipe or
// NUL; to a console, WriteConsoleW, so that names outside the code page show as they are. The
// C runtime would write an unbuffered stream to a character device one character at a time.
//
// A console takes about as long for one call as for a screenful, so flushes that closely
// follow the last console write wait, a twentieth of a second at most, and go out together in
// one call; what both streams send to consoles keeps its order. Whatever is left is written
// when the buffers go.
struct StdStreamBuffers {
  std::unique_ptr<std::streambuf> output;
  std::unique_ptr<std::streambuf> error;
};
StdStreamBuffers MakeStdStreamBuffers();

}  // namespace quellorn::platform::win32
