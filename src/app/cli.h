#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace quellorn::app {

// The console front end: 0 after a run (or the list), 2 for a usage error (said on `err`).
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err);

}  // namespace quellorn::app
