#pragma once

#include <string>
#include <string_view>

namespace quellorn {

struct Context;

std::string LogPath(const Context& ctx);

// Appends one line to syslog.txt ("Test Mode: " in front unless the run erases; control
// characters escaped, see OneLine); nothing with logging turned off. A file that cannot be
// written loses the line silently: the run must go on.
void WriteLog(Context& ctx, std::string_view line);
// Empties the log (creating it when missing), also while a run holds it.
void ClearLog(Context& ctx);

// Keeps the log open while it lives, so that each line costs one write at the end of the file
// (what another program appends meanwhile stays). Every line is in the file before WriteLog
// returns, as without a hold. An inner hold leaves the log to the outer one.
class HeldLog {
 public:
  explicit HeldLog(Context& ctx);
  ~HeldLog();
  HeldLog(const HeldLog&) = delete;
  HeldLog& operator=(const HeldLog&) = delete;

 private:
  Context& ctx_;
  bool owner_;
};
// Opens the log in the platform's text editor.
void ViewLog(Context& ctx);

// The local date and time in the user's general date format.
std::string NowText(Context& ctx);

}  // namespace quellorn
