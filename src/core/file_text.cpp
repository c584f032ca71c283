#include "core/file_text.h"

#include <memory>

#include "platform/text_encoding.h"

namespace quellorn {

using platform::File;
using platform::OpenMode;
using platform::Status;

namespace attr = platform::attr;

namespace {

constexpr std::string_view kUtf16LeMark = "\xFF\xFE";

// A name beside the file that nothing else uses, so that no file of the user is overwritten.
std::string FreeName(platform::FileSystem& files, std::string_view preferred) {
  std::string name(preferred);
  for (int suffix = 1; files.Exists(name); ++suffix) {
    name = std::string(preferred) + "_" + std::to_string(suffix);
  }
  return name;
}

Status WriteToDisk(platform::FileSystem& files, const std::string& path, std::string_view content) {
  std::unique_ptr<File> file;
  Status status = files.Open(path, OpenMode::kCreateAlways, file);
  if (status == platform::kSuccess) status = file->Write(content.data(), content.size());
  if (status == platform::kSuccess) status = file->Flush();
  return status;
}

Status ReplaceWith(platform::FileSystem& files, std::string_view path, std::string_view temporary,
                   std::string_view content) {
  const std::string beside = FreeName(files, temporary);
  if (const Status status = WriteToDisk(files, beside, content); status != platform::kSuccess) {
    files.Delete(beside);
    return status;
  }
  // The new file takes the old one's hidden and system marks, as an edit in place would keep.
  const std::uint32_t old = files.GetAttributes(path);
  if (old != attr::kInvalid && (old & (attr::kHidden | attr::kSystem)) != 0) {
    files.SetAttributes(beside, old & (attr::kHidden | attr::kSystem));
  }
  const Status status = files.Replace(beside, path);
  if (status != platform::kSuccess) {
    files.SetAttributes(beside, attr::kNormal);
    files.Delete(beside);
  }
  return status;
}

}  // namespace

std::optional<std::string> ReadWholeFile(platform::FileSystem& files, std::string_view path) {
  std::unique_ptr<File> file;
  if (files.Open(path, OpenMode::kRead, file) != platform::kSuccess) return std::nullopt;
  std::string content;
  char buffer[64 * 1024];
  for (;;) {
    std::size_t done = 0;
    if (file->Read(buffer, sizeof buffer, done) != platform::kSuccess) return std::nullopt;
    if (done == 0) return content;
    content.append(buffer, done);
  }
}

Status WriteWholeFile(platform::FileSystem& files, std::string_view path, std::string_view bytes) {
  return ReplaceWith(files, path, std::string(path) + ".new", bytes);
}

Status AppendToFile(platform::FileSystem& files, std::string_view path, std::string_view bytes) {
  std::unique_ptr<File> file;
  const Status status = files.Open(path, OpenMode::kAppend, file);
  if (status != platform::kSuccess) return status;
  return file->Write(bytes.data(), bytes.size());
}

bool ReplaceContent(platform::FileSystem& files, std::string_view path, std::string_view temporary,
                    std::string_view content) {
  // A link stays as it is, and so does a file with another hard link: a file put in its place
  // would end the link, and the data may be another name's, anywhere on the disk.
  std::uint32_t names = 0;
  if (files.LinkCount(path, names) != platform::kSuccess || names != 1) return false;
  return ReplaceWith(files, path, temporary, content) == platform::kSuccess;
}

std::optional<DecodedText> ReadDecodedTextFile(platform::FileSystem& files, std::string_view path) {
  auto bytes = ReadWholeFile(files, path);
  if (!bytes) return std::nullopt;
  if (!bytes->starts_with(kUtf16LeMark)) return DecodedText{platform::DecodeTextFile(*bytes)};
  const auto* units = reinterpret_cast<const std::uint8_t*>(bytes->data()) + kUtf16LeMark.size();
  return DecodedText{
      platform::Utf16ToUtf8(platform::LeBytesToUtf16(units, bytes->size() - kUtf16LeMark.size())),
      TextEncoding::kUtf16Le};
}

std::optional<std::string> ReadTextFile(platform::FileSystem& files, std::string_view path) {
  auto decoded = ReadDecodedTextFile(files, path);
  if (!decoded) return std::nullopt;
  return std::move(decoded->text);
}

std::string EncodeText(std::string_view text, TextEncoding encoding) {
  // A reader drops one byte order mark: text that starts with that character keeps it through
  // a mark of its own.
  constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
  if (encoding == TextEncoding::kUtf8) {
    return text.starts_with(kUtf8Mark) ? std::string(kUtf8Mark) + std::string(text)
                                       : std::string(text);
  }
  const std::vector<std::uint8_t> units = platform::Utf16ToLeBytes(platform::Utf8ToUtf16(text));
  return std::string(kUtf16LeMark) + std::string(units.begin(), units.end());
}

}  // namespace quellorn
