#include <unistd.h>

#include "app/terminal.h"

namespace quellorn::app {

bool StdinIsTerminal() {
  return isatty(STDIN_FILENO) != 0;
}
bool StdoutIsTerminal() {
  return isatty(STDOUT_FILENO) != 0;
}

}  // namespace quellorn::app
