#include "core/ini_file.h"

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

}  // namespace

std::string clsIniFile::GetSetting(std::string_view section, std::string_view key) const {
  const auto text = ReadTextFile(*files_, path_);
  if (!text) return std::string(kUnknownValue);
  const auto value = IniDocument(*text).Find(section, key);
  return value ? CopyEntry(*value) : std::string(kUnknownValue);
}

int clsIniFile::SaveSetting(std::string_view section, std::string_view key,
                            std::string_view value) {
  auto text = ReadTextFile(*files_, path_);
  // A file that exists but cannot be read is left alone rather than replaced by one key.
  if (!text && files_->Exists(path_)) return 0;
  IniDocument document(text.value_or(""));
  document.Set(section, key, value);
  return WriteWholeFile(*files_, path_, document.Text()) == platform::kSuccess ? 1 : 0;
}

void clsIniFile::EraseSection(std::string_view section) {
  const auto text = ReadTextFile(*files_, path_);
  if (!text) return;
  IniDocument document(*text);
  document.RemoveSection(section);
  WriteWholeFile(*files_, path_, document.Text());
}

}  // namespace quellorn
