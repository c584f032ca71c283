#include "primitives/file_eraser.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "core/activity_log.h"
#include "core/context.h"
#include "core/ini_file.h"
#include "core/report.h"
#include "primitives/protected_places.h"
#include "primitives/reg_path.h"
#include "primitives/wildcard.h"

namespace quellorn {

namespace attr = platform::attr;
using platform::DirEntry;
using platform::File;
using platform::OpenMode;

namespace {

constexpr std::size_t kOverwriteChunk = 1 << 20;

bool IsLink(std::uint32_t attributes) {
  return attributes != attr::kInvalid && (attributes & attr::kReparsePoint) != 0;
}

bool IsFolder(const DirEntry& entry) {
  return (entry.attributes & attr::kDirectory) != 0;
}

std::string WithBackslash(std::string folder) {
  if (!folder.ends_with('\\')) folder += '\\';
  return folder;
}

// "file", the sign position of the erased-file count, and the count; when another file
// already bears that name, a suffix makes it free.
std::string TemporaryEraseName(Context& ctx, std::string_view path) {
  const std::int32_t count = ctx.run.totals.files;
  const std::string base =
      GetFolderPart(path) + "file" + (count >= 0 ? " " : "") + std::to_string(count);
  std::string name = base;
  for (int suffix = 1; ctx.os.files.Exists(name); ++suffix) {
    name = base + "_" + std::to_string(suffix);
  }
  return name;
}

void Truncate(Context& ctx, std::string_view path) {
  std::unique_ptr<File> file;
  if (ctx.os.files.Open(path, OpenMode::kTruncateExisting, file) == platform::kSuccess) {
    file->Flush();
  }
}

// Only a file that goes by this one name is overwritten: the target of a link, or a file with
// another hard link, lives on under a name that is not being erased.
bool MayOverwrite(Context& ctx, std::string_view path) {
  if (IsLink(ctx.os.files.GetAttributes(path))) return false;
  std::uint32_t links = 0;
  return ctx.os.files.LinkCount(path, links) == platform::kSuccess && links == 1;
}

void ZeroPass(Context& ctx, std::string_view path) {
  std::unique_ptr<File> file;
  if (ctx.os.files.Open(path, OpenMode::kReadWrite, file) != platform::kSuccess) return;
  std::uint64_t length = 0;
  if (file->Size(length) != platform::kSuccess) return;
  ctx.view().Yield();
  // A bounded buffer, however large the file; the pass goes to the disk before the file is
  // truncated, or the zeros could be dropped from the cache unwritten.
  const std::vector<char> zeros(
      static_cast<std::size_t>(std::min<std::uint64_t>(length, kOverwriteChunk)));
  for (std::uint64_t done = 0; done < length;) {
    const std::size_t chunk =
        static_cast<std::size_t>(std::min<std::uint64_t>(length - done, zeros.size()));
    if (file->Write(zeros.data(), chunk) != platform::kSuccess) return;
    done += chunk;
  }
  file->Flush();
}

// "*.*", "*" and an empty pattern select every name.
bool TakesEveryName(std::string_view pattern) {
  return pattern.find_first_not_of("*.") == std::string_view::npos &&
         (pattern.empty() || pattern.find('*') != std::string_view::npos);
}

platform::Status SecureErase(Context& ctx, std::string_view path) {
  if (MayOverwrite(ctx, path)) {
    const int passes = ctx.settings.OverwritePasses();
    for (int pass = 0; pass < passes; ++pass)
      ZeroPass(ctx, path);
    Truncate(ctx, path);
  }
  const std::string temporary = TemporaryEraseName(ctx, path);
  if (const platform::Status renamed = ctx.os.shell.Rename(path, temporary);
      renamed != platform::kSuccess) {
    return renamed;
  }
  const platform::Status deleted = ctx.os.shell.Delete(temporary);
  if (deleted == platform::kSuccess) return deleted;
  // What cannot go, a file or a folder with what is left in it, gets its own name back. The
  // rename never replaces: should another entry have taken the name meanwhile, this one stays
  // under its erase name rather than destroy that one.
  ctx.os.shell.Rename(temporary, path);
  return deleted;
}

// Erases a file, or a folder whole, that the protection rules have let pass. The outcome goes
// to the run's ledger, and what a verification pass would erase again is noted there.
bool EraseItem(Context& ctx, std::string_view path) {
  if (!ctx.erasing()) {
    ctx.run.ledger.Found(path);
    return true;
  }
  const platform::Status status =
      ctx.settings.SecureErasing() ? SecureErase(ctx, path) : ctx.os.shell.Delete(path);
  ctx.run.ledger.Erased(path, status);
  return status == platform::kSuccess;
}

// EraseItem for a file the walk has just listed: a plain delete goes through the listing,
// which holds the folder already.
bool EraseListedFile(Context& ctx, platform::DirListing& listing, const DirEntry& entry,
                     std::string_view path) {
  if (!ctx.erasing() || ctx.settings.SecureErasing()) return EraseItem(ctx, path);
  const platform::Status status = listing.RemoveFile(entry.name);
  if (status == platform::kNotSupported) return EraseItem(ctx, path);
  ctx.run.ledger.Erased(path, status);
  return status == platform::kSuccess;
}

struct Exclusions {
  std::vector<std::string> patterns;
};

Exclusions LoadExclusions(const clsIniFile* item) {
  Exclusions exclusions;
  if (item == nullptr) return exclusions;
  for (int n = 1;; ++n) {
    const std::string value = item->GetSetting("info", "ExFile" + std::to_string(n));
    if (value == kUnknownValue) break;
    exclusions.patterns.push_back(value.substr(0, value.find(',')));
  }
  return exclusions;
}

bool IsExcluded(const Exclusions& exclusions, std::string_view path) {
  return std::any_of(
      exclusions.patterns.begin(), exclusions.patterns.end(),
      [path](const std::string& pattern) { return MatchPattern(path, pattern) != 0; });
}

struct Walk {
  const ProtectedFolders places;
  const Exclusions exclusions;
};

void EraseMatchingIn(Context& ctx, const std::string& folder, std::string_view pattern,
                     bool includeSubfolders, const Walk& walk);

void EraseMatchingFile(Context& ctx, platform::DirListing& listing, const DirEntry& entry,
                       const std::string& path) {
  const auto kilobytes = static_cast<float>(std::nearbyint(static_cast<double>(entry.size) / 1024));
  const std::string line = "Erasing " + path + " <OK>";
  if (ctx.editorTest.active) {
    if (ctx.editorTest.list != nullptr) ctx.editorTest.list->AddLine(line);
    ++ctx.editorTest.count;
    return;
  }
  if (!EraseListedFile(ctx, listing, entry, path)) return;
  ctx.run.totals.releasedKilobytes += kilobytes;
  ++ctx.run.totals.files;
  DispList(ctx, line);
  ctx.view().Yield();
  DispStatus(ctx);
  WriteLog(ctx, line);
}

void EraseMatchingIn(Context& ctx, const std::string& folder, std::string_view pattern,
                     bool includeSubfolders, const Walk& walk) {
  if (walk.places.RefuseInside(ctx, folder, includeSubfolders || TakesEveryName(pattern))) return;
  auto listing = ctx.os.files.ListForWalk(folder);
  if (!listing) return;
  std::vector<std::string> subfolders;
  for (DirEntry entry; listing->Next(entry);) {
    if (entry.name == "pagefile.sys") continue;
    const std::string path = folder + entry.name;
    if (IsFolder(entry)) {
      if (includeSubfolders && !IsLink(entry.attributes)) subfolders.push_back(path + "\\");
      continue;
    }
    if (!WildcardMatch(entry.name, pattern)) {
      ctx.view().Yield();
      continue;
    }
    if (IsExcluded(walk.exclusions, path)) {
      ctx.run.ledger.Kept(path);
      continue;
    }
    EraseMatchingFile(ctx, *listing, entry, path);
  }
  // A listing that breaks off leaves the rest of this folder, its subfolders included, alone.
  if (listing->status() != platform::kNoMoreItems) return;
  for (const std::string& subfolder : subfolders) {
    EraseMatchingIn(ctx, subfolder, pattern, true, walk);
  }
}

// A read-only file with nothing but the archive bit, and hidden perhaps, loses read-only; the
// listing need not tell hidden and system, so they are asked for here, where they decide.
void ClearPlainReadOnly(Context& ctx, const std::string& path) {
  constexpr std::uint32_t kReadOnlyArchive = 0x21;
  constexpr std::uint32_t kReadOnlyHiddenArchive = 0x23;
  const std::uint32_t attributes = ctx.os.files.GetAttributes(path);
  if (attributes == kReadOnlyArchive || attributes == kReadOnlyHiddenArchive) {
    ctx.os.files.SetAttributes(path, attr::kNormal);
  }
}

void EraseTreeIn(Context& ctx, const std::string& folder, const ProtectedFolders& places) {
  if (places.RefuseInside(ctx, folder, true)) return;
  auto listing = ctx.os.files.ListForWalk(folder);
  if (!listing) return;
  for (DirEntry entry; listing->Next(entry);) {
    const std::string path = folder + entry.name;
    if (IsFolder(entry)) {
      // A link to a folder is never entered: it may lead anywhere on the disk.
      if (!entry.name.starts_with('.') && !IsLink(entry.attributes))
        EraseTreeIn(ctx, path + "\\", places);
      continue;
    }
    if (ctx.erasing() && (entry.attributes & attr::kReadOnly) != 0) ClearPlainReadOnly(ctx, path);
    if (!EraseListedFile(ctx, *listing, entry, path)) continue;
    ++ctx.run.totals.files;
    ctx.run.totals.releasedKilobytes += static_cast<float>(static_cast<double>(entry.size) / 1024);
    ReportLine(ctx, "Erasing " + path + " <OK>");
  }
}

void SubfoldersIn(Context& ctx, const std::string& folder, const ProtectedFolders& places) {
  auto listing = ctx.os.files.ListForWalk(folder);
  if (!listing) return;
  for (DirEntry entry; listing->Next(entry);) {
    if (!IsFolder(entry) || entry.name.starts_with('.')) continue;
    const std::string path = folder + entry.name;
    if (places.RefuseRemoval(ctx, path)) continue;
    if (EraseItem(ctx, path)) {
      ReportLine(ctx, "Erasing Folder " + path + " <OK>");
    } else if (!IsLink(entry.attributes)) {
      SubfoldersIn(ctx, path + "\\", places);
    }
  }
}

}  // namespace

bool EraseFile(Context& ctx, std::string_view path) {
  const std::uint32_t attributes = ctx.os.files.GetAttributes(path);
  const bool folder =
      attributes != attr::kInvalid && (attributes & attr::kDirectory) != 0 && !IsLink(attributes);
  if (folder ? ProtectedFolders(ctx).RefuseRemoval(ctx, path) : RefuseProgramPlace(ctx, path))
    return false;
  return EraseItem(ctx, path);
}

void OverwriteFile(Context& ctx, std::string_view path) {
  if (MayOverwrite(ctx, path)) ZeroPass(ctx, path);
}

void EraseFolderTree(Context& ctx, std::string folder) {
  EraseTreeIn(ctx, WithBackslash(std::move(folder)), ProtectedFolders(ctx));
}

void EraseSubfolders(Context& ctx, std::string folder) {
  folder = WithBackslash(std::move(folder));
  const ProtectedFolders places(ctx);
  if (!places.RefuseInside(ctx, folder, true)) SubfoldersIn(ctx, folder, places);
}

void EraseMatchingFiles(Context& ctx, std::string folder, std::string_view pattern,
                        bool includeSubfolders, const clsIniFile* item) {
  EraseMatchingFiles(ctx, std::move(folder), pattern, includeSubfolders,
                     LoadExclusions(item).patterns);
}

void EraseMatchingFiles(Context& ctx, std::string folder, std::string_view pattern,
                        bool includeSubfolders, std::vector<std::string> exclusions) {
  // The exclusions hold at every depth of the walk.
  EraseMatchingIn(ctx, WithBackslash(std::move(folder)), pattern, includeSubfolders,
                  Walk{ProtectedFolders(ctx), Exclusions{std::move(exclusions)}});
}

bool IsExcludedFile(const clsIniFile* item, std::string_view path) {
  return IsExcluded(LoadExclusions(item), path);
}

}  // namespace quellorn
