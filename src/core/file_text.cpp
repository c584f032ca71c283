#include "core/file_text.h"

#include <memory>

#include "platform/text_encoding.h"

namespace quellorn {

using platform::File;
using platform::OpenMode;
using platform::Status;

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

namespace {

Status WriteWith(platform::FileSystem& files, std::string_view path, OpenMode mode,
                 std::string_view bytes) {
  std::unique_ptr<File> file;
  const Status status = files.Open(path, mode, file);
  if (status != platform::kSuccess) return status;
  return file->Write(bytes.data(), bytes.size());
}

}  // namespace

Status WriteWholeFile(platform::FileSystem& files, std::string_view path, std::string_view bytes) {
  return WriteWith(files, path, OpenMode::kCreateAlways, bytes);
}

Status AppendToFile(platform::FileSystem& files, std::string_view path, std::string_view bytes) {
  return WriteWith(files, path, OpenMode::kAppend, bytes);
}

std::optional<std::string> ReadTextFile(platform::FileSystem& files, std::string_view path) {
  auto bytes = ReadWholeFile(files, path);
  if (!bytes) return std::nullopt;
  return platform::DecodeTextFile(*bytes);
}

}  // namespace quellorn
