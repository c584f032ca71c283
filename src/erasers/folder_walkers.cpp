#include "erasers/folder_walkers.h"

#include <vector>

#include "core/context.h"
#include "core/report.h"
#include "primitives/file_eraser.h"

namespace quellorn {

namespace attr = platform::attr;
using platform::DirEntry;

namespace {

std::string WithBackslash(std::string folder) {
  if (!folder.ends_with('\\')) folder += '\\';
  return folder;
}

bool IsFolder(const DirEntry& entry) {
  return (entry.attributes & attr::kDirectory) != 0;
}

bool IsLink(const DirEntry& entry) {
  return (entry.attributes & attr::kReparsePoint) != 0;
}

// A subfolder a walk goes into: not a link, and not a name starting with "." (never a real
// folder of the browser's).
bool IsWalkedFolder(const DirEntry& entry) {
  return IsFolder(entry) && !IsLink(entry) && !entry.name.starts_with('.');
}

float Kilobytes(std::uint64_t size) {
  return static_cast<float>(static_cast<double>(size) / 1024);
}

void Count(Context& ctx, std::uint64_t size) {
  ++ctx.run.totals.files;
  ctx.run.totals.releasedKilobytes += Kilobytes(size);
}

// The count and the erase pass spare the same files, so that what one counts the other erases.
bool IsSpared(const KeepList& keep, const DirEntry& entry) {
  return IsIndexFileName(entry.name) || keep.Keeps(entry.name);
}

void CountTreeIn(Context& ctx, const std::string& folder, bool skipIndex) {
  auto listing = ctx.os.files.List(folder);
  if (!listing) return;
  for (DirEntry entry; listing->Next(entry);) {
    if (IsWalkedFolder(entry)) {
      CountTreeIn(ctx, folder + entry.name + "\\", skipIndex);
    } else if (!IsFolder(entry) && !(skipIndex && IsIndexFileName(entry.name))) {
      Count(ctx, entry.size);
    }
    ctx.view().Yield();
  }
}

}  // namespace

void CountKeepFolder(Context& ctx, std::string folder, const KeepList& keep) {
  folder = WithBackslash(std::move(folder));
  auto listing = ctx.os.files.List(folder);
  if (!listing) return;
  for (DirEntry entry; listing->Next(entry);) {
    if (!IsFolder(entry) && !IsSpared(keep, entry)) Count(ctx, entry.size);
    ctx.view().Yield();
  }
}

void EraseKeepFolder(Context& ctx, std::string folder, const KeepList& keep) {
  folder = WithBackslash(std::move(folder));
  auto listing = ctx.os.files.List(folder);
  if (!listing) return;
  std::vector<std::string> subfolders;
  for (DirEntry entry; listing->Next(entry);) {
    if (IsFolder(entry)) {
      if (IsWalkedFolder(entry)) subfolders.push_back(folder + entry.name + "\\");
      continue;
    }
    const std::string path = folder + entry.name;
    if (IsSpared(keep, entry)) {
      if (keep.Keeps(entry.name)) ctx.run.ledger.Kept(path);
      continue;
    }
    if (EraseFile(ctx, path)) {
      ReportLine(ctx, "Erasing " + path + " <OK>");
    } else {
      ctx.view().Yield();
      --ctx.run.totals.files;
      ctx.run.totals.releasedKilobytes -= Kilobytes(entry.size);
    }
  }
  for (const std::string& subfolder : subfolders)
    EraseFolderTree(ctx, subfolder);
}

void CountTree(Context& ctx, std::string folder) {
  CountTreeIn(ctx, WithBackslash(std::move(folder)), false);
}

void CountTreeSkipIndex(Context& ctx, std::string folder) {
  CountTreeIn(ctx, WithBackslash(std::move(folder)), true);
}

void EraseTreeQuiet(Context& ctx, std::string folder) {
  folder = WithBackslash(std::move(folder));
  auto listing = ctx.os.files.List(folder);
  if (!listing) return;
  for (DirEntry entry; listing->Next(entry);) {
    const std::string path = folder + entry.name;
    if (!IsFolder(entry)) {
      EraseFile(ctx, path);
    } else if (!entry.name.starts_with('.') && !EraseFile(ctx, path) && !IsLink(entry)) {
      // A folder that cannot go whole (a file in it is in use) loses what it can.
      EraseTreeQuiet(ctx, path);
    }
    ctx.view().Yield();
  }
}

}  // namespace quellorn
