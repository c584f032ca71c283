#include <iostream>
#include <string>
#include <vector>

#include "app/cli.h"
#include "platform/text_encoding.h"

// Wide arguments, so that paths outside the ANSI code page arrive intact as UTF-8.
int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    const std::wstring arg(argv[i]);
    args.push_back(quellorn::platform::Utf16ToUtf8(std::u16string(arg.begin(), arg.end())));
  }
  return quellorn::app::RunCli(args, std::cin, std::cout, std::cerr);
}
