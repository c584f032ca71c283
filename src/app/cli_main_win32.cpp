#include <iostream>
#include <string>
#include <vector>

#include "app/cli.h"
#include "platform/text_encoding.h"
#include "platform/win32/console_win32.h"

// Wide arguments, so that paths outside the ANSI code page arrive intact as UTF-8.
int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    const std::wstring arg(argv[i]);
    args.push_back(quellorn::platform::Utf16ToUtf8(std::u16string(arg.begin(), arg.end())));
  }
  // Whole lines, never one character at a time, whatever the output is.
  const quellorn::platform::win32::StdStreamBuffers buffers =
      quellorn::platform::win32::MakeStdStreamBuffers();
  std::ostream out(buffers.output.get());
  std::ostream err(buffers.error.get());
  const int status = quellorn::app::RunCli(args, std::cin, out, err);
  out.flush();
  err.flush();
  return status;
}
