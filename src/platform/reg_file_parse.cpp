#include <algorithm>
#include <cstdint>
#include <optional>

#include "platform/reg_file.h"
#include "platform/reg_file_syntax.h"
#include "platform/text_encoding.h"

namespace quellorn::platform {
namespace {

using reg_syntax::IsBlank;
using reg_syntax::Trim;

// Windows keeps no key deeper than this below its root.
constexpr std::size_t kMaxKeyDepth = 512;

struct LogicalLine {
  int number = 0;  // of its first physical line
  std::u16string text;
};

std::u16string DecodeText(std::string_view bytes) {
  if (bytes.starts_with("\xFF\xFE")) {
    return LeBytesToUtf16(reinterpret_cast<const std::uint8_t*>(bytes.data()) + 2,
                          bytes.size() - 2);
  }
  if (bytes.starts_with("\xEF\xBB\xBF")) return Utf8ToUtf16(bytes.substr(3));
  // Without a byte order mark: UTF-8 when the bytes are valid UTF-8 (files written by hand),
  // else the 8-bit code page of the system that exported them.
  return IsValidUtf8(bytes) ? Utf8ToUtf16(bytes) : Cp1252ToUtf16(bytes);
}

bool IsContinued(std::u16string_view line) {
  std::u16string_view text = Trim(line);
  return text.ends_with(u'\\') && !text.starts_with(u';') && !text.starts_with(u'[');
}

// Physical lines (CR LF or LF) joined where a line ends with a backslash: the next line
// continues it, without its leading blanks.
std::vector<LogicalLine> SplitLines(std::u16string_view text) {
  std::vector<LogicalLine> lines;
  bool continuing = false;
  int number = 0;
  for (std::size_t start = 0; start <= text.size();) {
    std::size_t end = std::min(text.find(u'\n', start), text.size());
    std::u16string_view line = text.substr(start, end - start);
    if (line.ends_with(u'\r')) line.remove_suffix(1);
    ++number;
    if (continuing) {
      while (!line.empty() && IsBlank(line.front()))
        line.remove_prefix(1);
      lines.back().text += line;
    } else {
      lines.push_back({number, std::u16string(line)});
    }
    continuing = IsContinued(lines.back().text);
    if (continuing) {
      std::u16string& joined = lines.back().text;
      joined.erase(joined.find_last_of(u'\\'));
    }
    start = end + 1;
  }
  return lines;
}

std::optional<RegHandle> RootFromName(std::u16string_view name) {
  for (RegHandle root : reg_syntax::kFileRoots) {
    std::string_view known = RegRootName(root);
    bool same = known.size() == name.size();
    for (std::size_t i = 0; same && i < name.size(); ++i) {
      char16_t c = name[i] >= u'a' && name[i] <= u'z' ? name[i] - 32 : name[i];
      same = c == static_cast<char16_t>(known[i]);
    }
    if (same) return root;
  }
  return std::nullopt;
}

class Parser {
 public:
  explicit Parser(RegFile& file) : file_(file) {}

  void Line(const LogicalLine& line) {
    std::u16string_view text = Trim(line.text);
    if (text.empty() || text.front() == u';') return;
    if (text.front() == u'[') {
      KeyLine(line.number, text);
    } else if (text.front() == u'"' || text.front() == u'@') {
      ValueLine(line.number, text);
    } else {
      Fail(line.number, "unrecognised line");
    }
  }

 private:
  enum class Target { kNone, kKey, kSkipped, kRemoved };

  void Fail(int line, std::string reason) { file_.errors.push_back({line, std::move(reason)}); }

  void KeyLine(int number, std::u16string_view text) {
    target_ = Target::kSkipped;
    if (!text.ends_with(u']')) return Fail(number, "key line without closing ']'");
    std::u16string_view inner = text.substr(1, text.size() - 2);
    bool remove = inner.starts_with(u'-');
    if (remove) inner.remove_prefix(1);
    std::size_t slash = inner.find(u'\\');
    std::u16string_view rootName = inner.substr(0, slash);
    std::optional<RegHandle> root = RootFromName(rootName);
    if (!root) return Fail(number, "unknown root key '" + Utf16ToUtf8(rootName) + "'");
    std::string path = reg_syntax::NormalisePath(
        slash == std::u16string_view::npos ? std::u16string_view() : inner.substr(slash + 1));
    if (remove && path.empty()) return Fail(number, "a root key cannot be removed");
    const auto depth = static_cast<std::size_t>(std::count(path.begin(), path.end(), '\\')) + 1;
    if (!path.empty() && depth > kMaxKeyDepth) {
      return Fail(number, "key more than " + std::to_string(kMaxKeyDepth) + " levels deep");
    }
    file_.keys.push_back({number, *root, std::move(path), remove, {}});
    target_ = remove ? Target::kRemoved : Target::kKey;
  }

  void ValueLine(int number, std::u16string_view text) {
    if (target_ == Target::kNone) return Fail(number, "value before the first key");
    if (target_ == Target::kSkipped) return Fail(number, "value of a key that was skipped");
    if (target_ == Target::kRemoved) return Fail(number, "value of a key that is removed");
    RegFileValue value{number, {}, false, {}};
    std::string error;
    if (!reg_syntax::ParseValue(text, file_.format == RegFileFormat::kRegedit4, value, error)) {
      return Fail(number, error);
    }
    file_.keys.back().values.push_back(std::move(value));
  }

  RegFile& file_;
  Target target_ = Target::kNone;
};

}  // namespace

RegFile ParseRegFile(std::string_view bytes) {
  RegFile file;
  std::vector<LogicalLine> lines = SplitLines(DecodeText(bytes));
  auto line = lines.begin();
  while (line != lines.end() && Trim(line->text).empty())
    ++line;
  if (line == lines.end()) {
    file.errors.push_back({1, "not a registry file: no header"});
    return file;
  }
  std::u16string_view header = Trim(line->text);
  if (header == reg_syntax::kVersion5Header) {
    file.format = RegFileFormat::kVersion5;
  } else if (header == reg_syntax::kRegedit4Header) {
    file.format = RegFileFormat::kRegedit4;
  } else {
    file.errors.push_back({line->number, "not a registry file: unknown header"});
    return file;
  }
  Parser parser(file);
  for (++line; line != lines.end(); ++line)
    parser.Line(*line);
  return file;
}

}  // namespace quellorn::platform
