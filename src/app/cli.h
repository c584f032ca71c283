#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace quellorn::app {

// Exit statuses of the console front end.
inline constexpr int kCliDone = 0;        // after a run (or the list)
inline constexpr int kCliUsageError = 2;  // said on `err`, with the usage
inline constexpr int kCliNotSaved = 3;    // the run's changes could not be saved (said on `err`)
inline constexpr int kCliSurvivors = 4;   // erase --verify found what should have gone

// The console front end; answers its exit status.
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err);

}  // namespace quellorn::app
