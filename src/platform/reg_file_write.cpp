#include <algorithm>
#include <cstdio>

#include "platform/name_fold.h"
#include "platform/reg_file.h"
#include "platform/reg_file_syntax.h"
#include "platform/text_encoding.h"

namespace quellorn::platform {
namespace {

// The registry editor breaks hex data after the byte that takes a line to this width.
constexpr std::size_t kHexLineWidth = 77;
constexpr std::u16string_view kNewLine = u"\r\n";
constexpr std::u16string_view kHexDigits = u"0123456789abcdef";

std::u16string Ascii(std::string_view text) {
  return std::u16string(text.begin(), text.end());
}

std::u16string Hex(std::uint32_t number, const char* format) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, format, number);
  return Ascii(buffer);
}

std::u16string Quote(std::u16string_view text) {
  std::u16string quoted = u"\"";
  for (char16_t c : text) {
    if (c == u'\\' || c == u'"') quoted += u'\\';
    quoted += c == u'\n' ? u"\\n" : c == u'\r' ? u"\\r" : std::u16string(1, c);
  }
  return quoted + u'"';
}

// A REG_SZ that reads back identically from "text": one terminating NUL, nothing that would
// end the line.
bool IsPlainString(const RegValue& value, std::u16string& text) {
  if (value.type != reg_type::kSz || value.data.size() < 2 || value.data.size() % 2 != 0) {
    return false;
  }
  text = LeBytesToUtf16(value.data.data(), value.data.size());
  if (text.back() != u'\0') return false;
  text.pop_back();
  return text.find_first_of(std::u16string_view(u"\0\r\n", 3)) == std::u16string::npos;
}

void AppendHex(std::u16string& out, std::u16string line, const RegValue& value) {
  line += value.type == reg_type::kBinary ? u"hex:" : u"hex(" + Hex(value.type, "%x") + u"):";
  for (std::size_t i = 0; i < value.data.size(); ++i) {
    line += kHexDigits[value.data[i] >> 4];
    line += kHexDigits[value.data[i] & 0xF];
    if (i + 1 == value.data.size()) break;
    line += u',';
    if (line.size() >= kHexLineWidth) {
      out += line + u'\\' + std::u16string(kNewLine);
      line = u"  ";
    }
  }
  out += line + std::u16string(kNewLine);
}

void AppendValue(std::u16string& out, const RegFileValue& value) {
  std::u16string line = value.name.empty() ? u"@=" : Quote(Utf8ToUtf16(value.name)) + u'=';
  std::u16string text;
  if (value.remove) {
    line += u'-';
  } else if (IsPlainString(value.value, text)) {
    line += Quote(text);
  } else if (value.value.type == reg_type::kDword && value.value.data.size() == 4) {
    const std::vector<std::uint8_t>& d = value.value.data;
    line += u"dword:" +
            Hex(d[0] | d[1] << 8 | d[2] << 16 | static_cast<std::uint32_t>(d[3]) << 24, "%08x");
  } else {
    return AppendHex(out, std::move(line), value.value);
  }
  out += line + std::u16string(kNewLine);
}

// Sort key of a key: its root's place, then its names folded, compared name by name so that
// a key's subkeys follow it directly.
struct TreePosition {
  std::size_t root;
  std::vector<std::u16string> names;

  auto operator<=>(const TreePosition&) const = default;
};

TreePosition PositionOf(const RegFileKey& key) {
  TreePosition position{static_cast<std::size_t>(std::find(reg_syntax::kFileRoots.begin(),
                                                           reg_syntax::kFileRoots.end(), key.root) -
                                                 reg_syntax::kFileRoots.begin()),
                        {}};
  std::string_view path = key.path;
  while (!path.empty()) {
    std::size_t slash = std::min(path.find('\\'), path.size());
    position.names.push_back(FoldName(path.substr(0, slash)));
    path.remove_prefix(std::min(slash + 1, path.size()));
  }
  return position;
}

}  // namespace

std::string WriteRegFile(const RegFile& file) {
  std::vector<std::pair<TreePosition, const RegFileKey*>> keys;
  for (const RegFileKey& key : file.keys) {
    if (!RegRootName(key.root).empty()) keys.emplace_back(PositionOf(key), &key);
  }
  std::stable_sort(keys.begin(), keys.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });

  std::u16string text = u"\xFEFF" + std::u16string(reg_syntax::kVersion5Header);
  text += kNewLine;
  text += kNewLine;
  for (const auto& [position, key] : keys) {
    std::string path(RegRootName(key->root));
    if (!key->path.empty()) path += "\\" + key->path;
    text += (key->remove ? u"[-" : u"[") + Utf8ToUtf16(path) + u']';
    text += kNewLine;
    for (const RegFileValue& value : key->values)
      AppendValue(text, value);
    text += kNewLine;
  }
  std::vector<std::uint8_t> bytes = Utf16ToLeBytes(text);
  return std::string(bytes.begin(), bytes.end());
}

}  // namespace quellorn::platform
