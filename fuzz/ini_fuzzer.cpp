// The INI reader on any text, through IniDocument and through clsIniFile on a machine folder.
// Input: section "\n" key "\n" value "\n" then the file's bytes.
//
// Read and written back unedited, the text keeps every line (line ends become CR LF). After
// setting a key, looking it up answers the value without the blanks around it, every other
// key answers what it did before, and the text read anew answers the same. Removing a section
// leaves the other sections' keys as they were. clsIniFile keeps the same promises on the
// file, whatever its encoding.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/ini_document.h"
#include "core/ini_file.h"
#include "core/text_util.h"
#include "fuzz_machine.h"
#include "platform/text_encoding.h"

namespace {

using quellorn::fuzz::Require;
namespace q = quellorn;

constexpr std::size_t kMostSections = 6;
constexpr std::size_t kMostKeys = 10;
constexpr std::size_t kMostFileProbes = 8;
constexpr std::string_view kIniPath = "C:\\fuzz.ini";

// Blanks as the profile functions skip them around names and values.
std::string_view Trimmed(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\x1a\v\f";
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    lines.push_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(text.substr(end, 2) == "\r\n" ? end + 2 : end + 1);
  }
  return lines;
}

struct Probe {
  std::string section;
  std::string key;
};

// Names that appear in the text, paired: what lookups are asked about.
std::vector<Probe> Probes(const std::vector<std::string_view>& lines, std::string_view section,
                          std::string_view key) {
  std::vector<std::string> sections{"", std::string(section)};
  std::vector<std::string> keys{std::string(key)};
  for (const std::string_view line : lines) {
    const std::string_view content = Trimmed(line);
    const std::size_t close = content.rfind(']');
    if (content.starts_with('[') && close != std::string_view::npos) {
      if (sections.size() < kMostSections) sections.emplace_back(content.substr(1, close - 1));
    } else if (keys.size() < kMostKeys) {
      keys.emplace_back(content.substr(0, content.find('=')));
    }
  }
  std::vector<Probe> probes;
  for (const std::string& s : sections) {
    for (const std::string& k : keys)
      probes.push_back({s, k});
  }
  return probes;
}

bool SameName(std::string_view a, std::string_view b) {
  return q::EqualsIgnoreCase(Trimmed(a), Trimmed(b));
}

// A key, section and value that Set can write as lines that read back as that key of that
// section.
bool IsWritable(std::string_view section, std::string_view key, std::string_view value) {
  const std::string_view name = Trimmed(key);
  const auto oneLine = [](std::string_view text) { return text.find('\r') == text.npos; };
  return !name.empty() && name.find('=') == std::string_view::npos && !name.starts_with('[') &&
         oneLine(section) && oneLine(key) && oneLine(value);
}

void CheckDocument(std::string_view text, std::string_view section, std::string_view key,
                   std::string_view value) {
  const std::vector<std::string_view> lines = Lines(text);
  std::string expected;
  for (const std::string_view line : lines)
    expected.append(line).append("\r\n");
  q::IniDocument document(text);
  Require(document.Text() == expected, "an unedited document changed its lines");

  const std::vector<Probe> probes = Probes(lines, section, key);
  std::vector<std::optional<std::string>> before;
  for (const Probe& probe : probes)
    before.push_back(document.Find(probe.section, probe.key));

  q::IniDocument removed(text);
  removed.RemoveSection(section);
  for (std::size_t i = 0; i < probes.size(); ++i) {
    if (SameName(probes[i].section, section)) continue;
    Require(removed.Find(probes[i].section, probes[i].key) == before[i],
            "removing a section changed another one");
  }

  if (!IsWritable(section, key, value)) return;
  document.Set(section, key, value);
  const q::IniDocument reread(document.Text());
  for (std::size_t i = 0; i < probes.size(); ++i) {
    const auto found = document.Find(probes[i].section, probes[i].key);
    if (SameName(probes[i].section, section) && SameName(probes[i].key, key)) {
      Require(found == std::string(Trimmed(value)), "a key set reads back otherwise");
    } else {
      Require(found == before[i], "setting a key changed another one");
    }
    Require(reread.Find(probes[i].section, probes[i].key) == found,
            "the written document reads back otherwise");
  }
}

// What GetSetting answers for a stored value that needs neither quote removal nor cutting.
bool IsPlainValue(std::string_view value) {
  value = Trimmed(value);
  return value.size() < 200 && !value.starts_with('"') && !value.starts_with('\'') &&
         std::all_of(value.begin(), value.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

void CheckFile(std::string_view bytes, std::string_view section, std::string_view key,
               std::string_view value) {
  // The program's names and values are UTF-8 strings as the profile functions take them:
  // ended by NUL, and never starting with a byte order mark, which a file cannot tell from
  // its own. A file written with other bytes reads back as the code page's characters.
  const auto isText = [](std::string_view text) {
    return q::platform::IsValidUtf8(text) && text.find('\0') == std::string_view::npos &&
           text.find("\xEF\xBB\xBF") == std::string_view::npos;
  };
  const bool utf8 = isText(section) && isText(key) && isText(value);
  static q::fuzz::ScratchMachine scratch;
  scratch.Reset();
  scratch.WriteFile(kIniPath, bytes);
  q::clsIniFile file(scratch.os().files, std::string(kIniPath));
  std::vector<Probe> probes = Probes(Lines(bytes), section, key);
  probes.resize(std::min(probes.size(), kMostFileProbes));
  std::vector<std::string> before;
  for (const Probe& probe : probes)
    before.push_back(file.GetSetting(probe.section, probe.key));

  if (!utf8 || !IsWritable(section, key, value)) return;
  Require(file.SaveSetting(section, key, value) == 1, "a key cannot be saved");
  for (std::size_t i = 0; i < probes.size(); ++i) {
    const std::string found = file.GetSetting(probes[i].section, probes[i].key);
    if (SameName(probes[i].section, section) && SameName(probes[i].key, key)) {
      Require(!IsPlainValue(value) || found == Trimmed(value), "a saved key reads back otherwise");
    } else {
      Require(found == before[i], "saving a key changed another one");
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto parts =
      quellorn::fuzz::SplitInput({reinterpret_cast<const char*>(data), size}, '\n', 4);
  CheckDocument(parts[3], parts[0], parts[1], parts[2]);
  CheckFile(parts[3], parts[0], parts[1], parts[2]);
  return 0;
}
