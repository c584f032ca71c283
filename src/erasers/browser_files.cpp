#include "erasers/browser_files.h"

#include <optional>

#include "core/activity_log.h"
#include "core/context.h"
#include "core/report.h"
#include "core/text_util.h"
#include "primitives/file_eraser.h"
#include "primitives/reg_path.h"

namespace quellorn {

namespace attr = platform::attr;
using platform::DirEntry;

namespace {

// The file's entry in its folder's listing, which gives its size without opening it (a browser
// that still runs may hold it open).
std::optional<DirEntry> FileEntry(Context& ctx, std::string_view path) {
  const std::string name = GetLastPart(path);
  auto listing = ctx.os.files.List(GetFolderPart(path));
  if (name.empty() || !listing) return std::nullopt;
  for (DirEntry entry; listing->Next(entry);) {
    if (EqualsIgnoreCase(entry.name, name)) {
      if ((entry.attributes & attr::kDirectory) != 0) return std::nullopt;
      return entry;
    }
  }
  return std::nullopt;
}

}  // namespace

bool IsExistingFile(Context& ctx, std::string_view path) {
  const std::uint32_t attributes = ctx.os.files.GetAttributes(path);
  return attributes != attr::kInvalid && (attributes & attr::kDirectory) == 0;
}

void EraseBrowserFile(Context& ctx, std::string_view path) {
  const auto entry = FileEntry(ctx, path);
  if (!entry || !EraseFile(ctx, path)) return;
  ++ctx.run.totals.files;
  ctx.run.totals.releasedKilobytes += static_cast<float>(static_cast<double>(entry->size) / 1024);
  DispList(ctx, "Erasing File " + std::string(path) + " <OK>");
  ctx.view().Yield();
  WriteLog(ctx, "Erasing " + std::string(path) + " <OK>");
}

bool HoldsOrdinaryFiles(Context& ctx, std::string folder) {
  if (!folder.ends_with('\\')) folder += '\\';
  auto listing = ctx.os.files.List(folder);
  if (!listing) return false;
  constexpr std::uint32_t kNotOrdinary = attr::kDirectory | attr::kHidden | attr::kSystem;
  for (DirEntry entry; listing->Next(entry);) {
    if ((entry.attributes & kNotOrdinary) == 0) return true;
  }
  return false;
}

}  // namespace quellorn
