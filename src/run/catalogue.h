#pragma once

#include <array>
#include <span>
#include <string_view>

#include "core/settings.h"
#include "core/track.h"

namespace quellorn {

struct Context;

// An eraser locates one kind of trace and hands it to the primitives, which obey the erase
// mode, count and report.
using Eraser = void (*)(Context&);

// One built-in track item: the id scripts name it by, what the task list shows, where its flag
// is kept, the line a run shows before it, and the eraser(s) the run calls for it.
struct CatalogueItem {
  Track track;
  std::string_view id;  // stable: scripts and the console front end name the item by it
  std::string_view displayName;
  std::string_view groupKey;  // the task list icon
  std::string_view progressLine;
  std::array<Eraser, 2> erasers;

  const SettingKey& setting() const { return TrackSettingKey(track); }
};

// The 24 built-in items in the fixed order of every run.
std::span<const CatalogueItem> Catalogue();

}  // namespace quellorn
