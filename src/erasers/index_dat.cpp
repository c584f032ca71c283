#include "erasers/index_dat.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "core/activity_log.h"
#include "core/context.h"
#include "core/report.h"
#include "core/text_util.h"
#include "erasers/keep_list.h"
#include "primitives/reg_path.h"
#include "primitives/shell_folders.h"

namespace quellorn {

namespace attr = platform::attr;
using platform::DirEntry;

namespace {

// Index files grow to a few megabytes; larger ones are zeroed a piece at a time.
constexpr std::uint64_t kLargestPiece = std::uint64_t{64} << 20;

bool IsFolder(const DirEntry& entry) {
  return (entry.attributes & attr::kDirectory) != 0;
}

bool IsLink(const DirEntry& entry) {
  return (entry.attributes & attr::kReparsePoint) != 0;
}

// The file's entry in its folder's listing, which gives its length without opening it: a file
// another program holds open can still be measured.
std::optional<DirEntry> FindEntry(Context& ctx, std::string_view path) {
  const std::string folder = GetFolderPart(path);
  const std::string name = GetLastPart(path);
  if (folder.empty() || name.empty()) return std::nullopt;
  auto listing = ctx.os.files.List(folder);
  if (!listing) return std::nullopt;
  for (DirEntry entry; listing->Next(entry);) {
    if (EqualsIgnoreCase(entry.name, name)) return entry;
  }
  return std::nullopt;
}

bool ZeroFill(Context& ctx, std::string_view path, std::uint64_t length) {
  std::unique_ptr<platform::File> file;
  if (ctx.os.files.Open(path, platform::OpenMode::kReadWrite, file) != platform::kSuccess) {
    return false;
  }
  const std::vector<char> zeros(static_cast<std::size_t>(std::min(length, kLargestPiece)));
  for (std::uint64_t done = 0; done < length;) {
    const auto piece =
        static_cast<std::size_t>(std::min<std::uint64_t>(length - done, zeros.size()));
    if (file->Write(zeros.data(), piece) != platform::kSuccess) return false;
    done += piece;
  }
  return true;
}

void CleanEntry(Context& ctx, std::string_view path, const DirEntry& entry) {
  // Zeros written through a link would land in whatever file it points to.
  if (IsFolder(entry) || IsLink(entry)) return;
  ctx.view().Yield();
  if (ctx.erasing() && !ZeroFill(ctx, path, entry.size)) return;
  const std::string line = "Cleaning Index File: " + std::string(path) + " <OK>";
  WriteLog(ctx, line);
  DispList(ctx, line);
}

}  // namespace

void CleanIndexFile(Context& ctx, std::string_view path) {
  if (const auto entry = FindEntry(ctx, path)) CleanEntry(ctx, path, *entry);
}

void CleanIndexFiles(Context& ctx, std::string folder) {
  if (!folder.ends_with('\\')) folder += '\\';
  auto listing = ctx.os.files.List(folder);
  if (!listing) return;
  for (DirEntry entry; listing->Next(entry);) {
    const std::string path = folder + entry.name;
    if (IsFolder(entry)) {
      if (!IsLink(entry) && !entry.name.starts_with('.')) CleanIndexFiles(ctx, path);
    } else if (IsIndexFileName(entry.name)) {
      CleanEntry(ctx, path, entry);
    }
  }
}

void CleanIndexDat(Context& ctx) {
  // An unreadable or empty value would make a path relative to the current folder, or the
  // root of the current drive: such a location is passed over.
  if (const std::string cache = ShellFolder(ctx, "Cache"); HasText(cache)) {
    CleanIndexFile(ctx, cache + "\\content.ie5\\index.dat");
  }
  if (const std::string cookies(Trim(ShellFolder(ctx, "Cookies"))); HasText(cookies)) {
    CleanIndexFile(ctx, cookies + "\\index.dat");
  }
  if (const std::string history(Trim(ShellFolder(ctx, "History"))); HasText(history)) {
    CleanIndexFiles(ctx, history);
  }
}

}  // namespace quellorn
