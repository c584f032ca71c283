#pragma once

#include <cstddef>

namespace quellorn {

// The built-in track items, in the order a run processes them.
enum class Track : std::size_t {
  kIeLocationBar,
  kIeCookies,
  kIeCache,
  kIeHistory,
  kIeAutoComplete,
  kIePlugins,
  kIeIndex,
  kNetscapeCookies,
  kNetscapeHistory,
  kNetscapeLocationBar,
  kNetscapeCache,
  kOperaLocationBar,
  kOperaCookies,
  kOperaCache,
  kAolLocationBar,
  kAolCache,
  kAolCookies,
  kAolHistory,
  kWindowsRecent,
  kWindowsFind,
  kWindowsRun,
  kWindowsTemp,
  kWindowsOpenSave,
  kWindowsRecycleBin,
};

inline constexpr std::size_t kTrackCount = 24;

}  // namespace quellorn
