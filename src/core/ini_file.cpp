#include "core/ini_file.h"

#include <optional>

#include "core/file_text.h"
#include "core/ini_document.h"
#include "core/text_util.h"

namespace quellorn {
namespace {

constexpr std::size_t kBufferCharacters = 254;

// The profile functions drop one pair of matching quotes around a value; the closing one
// only when it fits in the buffer.
std::string CopyEntry(std::string_view value) {
  char quote = 0;
  if (value.size() > 1 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    quote = value.front();
    value.remove_prefix(1);
  }
  std::string_view kept = FirstCharacters(value, kBufferCharacters);
  if (quote != 0 && kept.size() == value.size()) kept.remove_suffix(1);
  return std::string(kept);
}

struct Loaded {
  IniDocument document;
  TextEncoding encoding = TextEncoding::kUtf8;
};

// A missing file reads as an empty one; nothing for a file that exists but cannot be read,
// which is then left alone rather than replaced by one key.
std::optional<Loaded> Load(platform::FileSystem& files, const std::string& path) {
  auto decoded = ReadDecodedTextFile(files, path);
  if (decoded) return Loaded{IniDocument(decoded->text), decoded->encoding};
  if (files.Exists(path)) return std::nullopt;
  return Loaded{IniDocument(), TextEncoding::kUtf8};
}

// Reads the file afresh, edits it and rewrites it when the edit changed it. A snapshot takes the
// written document, so that its later reads see its own saves.
template <typename Edit>
int Rewrite(platform::FileSystem& files, const std::string& path,
            std::shared_ptr<const IniDocument>& snapshot, Edit edit) {
  auto loaded = Load(files, path);
  if (!loaded) return 0;
  if (!edit(loaded->document)) return 1;
  const std::string bytes = EncodeText(loaded->document.Text(), loaded->encoding);
  if (WriteWholeFile(files, path, bytes) != platform::kSuccess) return 0;
  if (snapshot) snapshot = std::make_shared<const IniDocument>(std::move(loaded->document));
  return 1;
}

}  // namespace

clsIniFile clsIniFile::Snapshot() const {
  if (auto snapshot = ReadableSnapshot()) return *std::move(snapshot);
  clsIniFile snapshot(*files_, path_);
  snapshot.snapshot_ = std::make_shared<const IniDocument>();
  return snapshot;
}

std::optional<clsIniFile> clsIniFile::ReadableSnapshot() const {
  auto loaded = Load(*files_, path_);
  if (!loaded) return std::nullopt;
  clsIniFile snapshot(*files_, path_);
  snapshot.snapshot_ = std::make_shared<const IniDocument>(std::move(loaded->document));
  return snapshot;
}

std::string clsIniFile::GetSetting(std::string_view section, std::string_view key) const {
  std::optional<std::string> value;
  if (snapshot_) {
    value = snapshot_->Find(section, key);
  } else if (const auto loaded = Load(*files_, path_)) {
    value = loaded->document.Find(section, key);
  }
  return value ? CopyEntry(*value) : std::string(kUnknownValue);
}

int clsIniFile::SaveSetting(std::string_view section, std::string_view key,
                            std::string_view value) {
  return Rewrite(*files_, path_, snapshot_, [&](IniDocument& document) {
    document.Set(section, key, value);
    return true;
  });
}

int clsIniFile::EraseSection(std::string_view section) {
  return Rewrite(*files_, path_, snapshot_,
                 [&](IniDocument& document) { return document.RemoveSection(section); });
}

}  // namespace quellorn
