#include "core/ini_document.h"

#include "core/text_util.h"

namespace quellorn {
namespace {

// The profile functions treat Ctrl-Z (an old end-of-file mark) as a blank.
bool IsProfileBlank(char c) {
  return c == ' ' || c == '\t' || c == '\x1a' || c == '\v' || c == '\f';
}

std::string_view TrimProfileBlanks(std::string_view text) {
  while (!text.empty() && IsProfileBlank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && IsProfileBlank(text.back()))
    text.remove_suffix(1);
  return text;
}

}  // namespace

IniDocument::IniDocument(std::string_view text) {
  while (!text.empty()) {
    std::size_t end = text.find_first_of("\r\n");
    std::string_view line = text.substr(0, end);
    lines_.push_back(ParseLine(line));
    if (end == std::string_view::npos) break;
    if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
    text.remove_prefix(end + 1);
  }
}

IniDocument::Line IniDocument::ParseLine(std::string_view text) {
  Line line;
  line.text = std::string(text);
  const std::string_view content = TrimProfileBlanks(text);
  if (content.starts_with('[')) {
    const std::size_t close = content.rfind(']');
    if (close != std::string_view::npos) {
      line.isSection = true;
      line.name = std::string(TrimProfileBlanks(content.substr(1, close - 1)));
      return line;
    }
  }
  const std::size_t equals = content.find('=');
  line.name = std::string(TrimProfileBlanks(content.substr(0, equals)));
  if (equals != std::string_view::npos) {
    line.value = std::string(TrimProfileBlanks(content.substr(equals + 1)));
  }
  return line;
}

std::size_t IniDocument::FindSection(std::string_view section) const {
  section = TrimProfileBlanks(section);
  // Lines before the first header form a section without a name.
  if (section.empty() && (lines_.empty() || !lines_.front().isSection)) return kNoName;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].isSection && EqualsIgnoreCase(lines_[i].name, section)) return i;
  }
  return std::string::npos;
}

std::size_t IniDocument::FirstLine(std::size_t header) {
  return header == kNoName ? 0 : header + 1;
}

std::size_t IniDocument::SectionEnd(std::size_t header) const {
  std::size_t end = header == kNoName ? 0 : header + 1;
  while (end < lines_.size() && !lines_[end].isSection)
    ++end;
  return end;
}

const IniDocument::Index& IniDocument::index() const {
  if (index_) return *index_;
  Index& index = index_.emplace();
  // Lines before the first header form a section without a name.
  Keys* keys = lines_.empty() || !lines_.front().isSection ? &index[""] : nullptr;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const Line& line = lines_[i];
    if (line.isSection) {
      const auto [entry, first] = index.try_emplace(ToLower(line.name));
      keys = first ? &entry->second : nullptr;
    } else if (keys != nullptr) {
      keys->try_emplace(ToLower(line.name), i);
    }
  }
  return index;
}

std::optional<std::string> IniDocument::Find(std::string_view section, std::string_view key) const {
  const Index& sections = index();
  const auto keys = sections.find(ToLower(TrimProfileBlanks(section)));
  if (keys == sections.end()) return std::nullopt;
  const auto line = keys->second.find(ToLower(TrimProfileBlanks(key)));
  if (line == keys->second.end()) return std::nullopt;
  return lines_[line->second].value;
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  index_.reset();
  section = TrimProfileBlanks(section);
  key = TrimProfileBlanks(key);
  value = TrimProfileBlanks(value);
  std::size_t header = FindSection(section);
  if (header == std::string::npos) {
    lines_.push_back(ParseLine("[" + std::string(section) + "]"));
    header = lines_.size() - 1;
  }
  const std::size_t end = SectionEnd(header);
  std::size_t insertAt = FirstLine(header);
  for (std::size_t i = FirstLine(header); i < end; ++i) {
    if (EqualsIgnoreCase(lines_[i].name, key)) {
      lines_[i] = ParseLine(lines_[i].name + "=" + std::string(value));
      return;
    }
    if (!TrimProfileBlanks(lines_[i].text).empty()) insertAt = i + 1;
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt),
                ParseLine(std::string(key) + "=" + std::string(value)));
}

bool IniDocument::RemoveSection(std::string_view section) {
  const std::size_t header = FindSection(section);
  if (header == std::string::npos) return false;
  const std::size_t begin = header == kNoName ? 0 : header;
  const std::size_t end = SectionEnd(header);
  if (begin == end) return false;
  index_.reset();
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(begin),
               lines_.begin() + static_cast<std::ptrdiff_t>(end));
  return true;
}

std::string IniDocument::Text() const {
  std::string text;
  for (const Line& line : lines_) {
    text += line.text;
    text += "\r\n";
  }
  return text;
}

}  // namespace quellorn
