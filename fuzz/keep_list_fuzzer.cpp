// The keep-list reader on any file content, and the folder walk that spares what it lists.
// Input: one byte choosing the list, then the list file's bytes.
//
// Every entry read is one line without its line end and without blanks around it; writing the
// entries and reading them again gives the same entries. Over a folder holding files named
// like some entries (and a few others), an erase run of the folder leaves exactly the files
// whose names are entries, letter case included, and the index files.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/context.h"
#include "core/file_text.h"
#include "erasers/folder_walkers.h"
#include "erasers/keep_list.h"
#include "fuzz_machine.h"

namespace {

using quellorn::fuzz::Require;
namespace q = quellorn;

constexpr std::string_view kFolder = "C:\\walk";
constexpr std::size_t kMostNamedFiles = 8;

bool IsUsableFileName(std::string_view name) {
  if (name.empty() || name.size() > 64 || name == "." || name == "..") return false;
  if (name.back() == '.' || name.back() == ' ') return false;
  return std::none_of(name.begin(), name.end(), [](char c) {
    return static_cast<unsigned char>(c) < 0x20 ||
           std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos;
  });
}

std::set<std::string> FileNames(q::platform::FileSystem& files) {
  std::set<std::string> names;
  auto listing = files.List(kFolder);
  if (!listing) return names;
  for (q::platform::DirEntry entry; listing->Next(entry);)
    names.insert(entry.name);
  return names;
}

void CheckEntries(const std::vector<std::string>& entries) {
  for (const std::string& entry : entries) {
    Require(entry.find_first_of("\r\n") == std::string::npos, "an entry holds a line end");
    Require(entry.empty() || (entry.front() != ' ' && entry.front() != '\t' &&
                              entry.back() != ' ' && entry.back() != '\t'),
            "an entry keeps blanks around it");
  }
}

void CheckWalk(q::fuzz::ScratchMachine& scratch, q::Context& ctx, const q::KeepList& keep,
               const std::vector<std::string>& entries) {
  const std::string folder(kFolder);
  for (const std::string_view fixed : {"a.txt", "B.TXT", "index.dat", "Cookie~1"})
    scratch.WriteFile(folder + "\\" + std::string(fixed), "x");
  std::size_t named = 0;
  for (const std::string& entry : entries) {
    if (named == kMostNamedFiles || !IsUsableFileName(entry)) continue;
    // A name the file system refuses is simply not there to keep.
    q::WriteWholeFile(ctx.os.files, folder + "\\" + entry, entry);
    ++named;
  }
  const std::set<std::string> before = FileNames(ctx.os.files);
  ctx.run.mode = q::EraseMode::kErase;
  q::CountKeepFolder(ctx, folder, keep);
  q::EraseKeepFolder(ctx, folder, keep);
  const std::set<std::string> after = FileNames(ctx.os.files);
  for (const std::string& name : before) {
    const bool kept = q::IsIndexFileName(name) ||
                      std::find(entries.begin(), entries.end(), name) != entries.end();
    Require(kept == after.contains(name), kept ? "a kept file was erased" : "a file was left");
  }
  Require(ctx.run.totals.files == static_cast<std::int32_t>(before.size() - after.size()),
          "the count differs from the files erased");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static q::fuzz::ScratchMachine scratch;
  scratch.Reset();
  q::SilentRunView view;
  q::Context ctx(scratch.os(), view, "C:\\Program Files\\Quellorn");
  const auto kind = static_cast<q::KeepListKind>(data[0] % 3);
  scratch.WriteFile(q::KeepListPath(ctx, kind),
                    std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));

  const std::vector<std::string> entries =
      q::ReadKeepListFile(ctx, kind).value_or(std::vector<std::string>{});
  CheckEntries(entries);
  const auto list = q::KeepList::Load(ctx, kind);
  Require(list.has_value(), "a readable list counts as unreadable");
  Require(list->entries == entries, "the list and the file's lines differ");
  for (const std::string& entry : entries)
    Require(list->Keeps(entry), "an entry is not kept");

  Require(q::WriteKeepListFile(ctx, kind, entries) == q::platform::kSuccess,
          "the list cannot be written");
  Require(q::ReadKeepListFile(ctx, kind) == entries, "the written list reads back otherwise");

  if (kind != q::KeepListKind::kUrl) CheckWalk(scratch, ctx, *list, entries);
  return 0;
}
