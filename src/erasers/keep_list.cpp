#include "erasers/keep_list.h"

#include <algorithm>

#include "core/context.h"
#include "core/file_text.h"
#include "core/report.h"
#include "core/text_util.h"

namespace quellorn {

namespace {

std::string_view FileName(KeepListKind kind) {
  switch (kind) {
    case KeepListKind::kCookies:
      return "Cookies.txt";
    case KeepListKind::kUrl:
      return "Url.txt";
    case KeepListKind::kPlugins:
      return "Plugins.txt";
  }
  return {};
}

// Lines ended by CR LF, LF or CR; a last line without an end still counts.
std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    lines.emplace_back(Trim(text.substr(0, end)));
    if (end == std::string_view::npos) break;
    const std::size_t next = text.substr(end, 2) == "\r\n" ? end + 2 : end + 1;
    text.remove_prefix(next);
  }
  return lines;
}

}  // namespace

std::optional<KeepListKind> KeepListKindOf(std::string_view mode) {
  if (mode == "cookies") return KeepListKind::kCookies;
  if (mode == "url") return KeepListKind::kUrl;
  if (mode == "plugins") return KeepListKind::kPlugins;
  return std::nullopt;
}

std::string KeepListPath(const Context& ctx, KeepListKind kind) {
  return ctx.programFolder + "\\" + std::string(FileName(kind));
}

std::optional<std::vector<std::string>> ReadKeepListFile(Context& ctx, KeepListKind kind) {
  const std::string path = KeepListPath(ctx, kind);
  if (const auto text = ReadTextFile(ctx.os.files, path)) return SplitLines(*text);
  if (!ctx.os.files.Exists(path)) return std::vector<std::string>{};
  return std::nullopt;
}

platform::Status WriteKeepListFile(Context& ctx, KeepListKind kind,
                                   const std::vector<std::string>& entries) {
  std::string text;
  for (const std::string& entry : entries)
    text += entry + "\r\n";
  return WriteWholeFile(ctx.os.files, KeepListPath(ctx, kind),
                        EncodeText(text, TextEncoding::kUtf8));
}

std::optional<KeepList> KeepList::Load(Context& ctx, KeepListKind kind) {
  if (auto entries = ReadKeepListFile(ctx, kind)) return KeepList{std::move(*entries)};
  ReportLine(
      ctx, "Could not read " + KeepListPath(ctx, kind) + ": kept entries are left alone <Failed>");
  return std::nullopt;
}

bool KeepList::Keeps(std::string_view candidate) const {
  return std::find(entries.begin(), entries.end(), candidate) != entries.end();
}

bool IsIndexFileName(std::string_view name) {
  return ContainsIgnoreCase(name, "index.dat");
}

}  // namespace quellorn
