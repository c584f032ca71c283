#include "primitives/file_rewrite.h"

#include "core/file_text.h"

namespace quellorn {

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    lines.emplace_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    const bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
    text.remove_prefix(end + (crLf ? 2 : 1));
  }
  return lines;
}

std::optional<std::vector<std::string>> ReadLines(platform::FileSystem& files,
                                                  std::string_view path) {
  const auto content = ReadWholeFile(files, path);
  if (!content) return std::nullopt;
  return SplitLines(*content);
}

}  // namespace quellorn
