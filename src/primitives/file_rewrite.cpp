#include "primitives/file_rewrite.h"

#include <memory>

#include "core/file_text.h"

namespace quellorn {

namespace attr = platform::attr;

namespace {

// A name beside the file that nothing else uses, so that no file of the user is overwritten.
std::string FreeName(platform::FileSystem& files, std::string_view preferred) {
  std::string name(preferred);
  for (int suffix = 1; files.Exists(name); ++suffix) {
    name = std::string(preferred) + "_" + std::to_string(suffix);
  }
  return name;
}

bool WriteToDisk(platform::FileSystem& files, const std::string& path, std::string_view content) {
  std::unique_ptr<platform::File> file;
  return files.Open(path, platform::OpenMode::kCreateAlways, file) == platform::kSuccess &&
         file->Write(content.data(), content.size()) == platform::kSuccess &&
         file->Flush() == platform::kSuccess;
}

}  // namespace

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

bool ReplaceContent(platform::FileSystem& files, std::string_view path, std::string_view temporary,
                    std::string_view content) {
  // A link stays as it is, and so does a file with another hard link: a file put in its place
  // would end the link, and the data may be another name's, anywhere on the disk.
  std::uint32_t names = 0;
  if (files.LinkCount(path, names) != platform::kSuccess || names != 1) return false;
  const std::uint32_t existing = files.GetAttributes(path);
  const std::string beside = FreeName(files, temporary);
  if (!WriteToDisk(files, beside, content)) {
    files.Delete(beside);
    return false;
  }
  // The new file takes the old one's hidden and system marks, as an edit in place would keep.
  if (existing != attr::kInvalid && (existing & (attr::kHidden | attr::kSystem)) != 0) {
    files.SetAttributes(beside, existing & (attr::kHidden | attr::kSystem));
  }
  if (files.Replace(beside, path) != platform::kSuccess) {
    files.SetAttributes(beside, attr::kNormal);
    files.Delete(beside);
    return false;
  }
  return true;
}

}  // namespace quellorn
