#include <io.h>

#include <cstdio>

#include "app/terminal.h"

namespace quellorn::app {

bool StdinIsTerminal() {
  return _isatty(_fileno(stdin)) != 0;
}
bool StdoutIsTerminal() {
  return _isatty(_fileno(stdout)) != 0;
}

}  // namespace quellorn::app
