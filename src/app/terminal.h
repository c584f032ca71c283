#pragma once

namespace quellorn::app {

bool StdinIsTerminal();
bool StdoutIsTerminal();

}  // namespace quellorn::app
