// The data part of a .reg value line: "text", dword:, hex:, hex(n): and - (removal).

#include <cstdint>
#include <optional>

#include "platform/reg_file_syntax.h"
#include "platform/text_encoding.h"

namespace quellorn::platform::reg_syntax {
namespace {

std::optional<std::uint32_t> HexNumber(std::u16string_view digits, std::size_t maxDigits) {
  if (digits.empty() || digits.size() > maxDigits) return std::nullopt;
  std::uint32_t number = 0;
  for (char16_t c : digits) {
    int digit = c >= u'0' && c <= u'9'   ? c - u'0'
                : c >= u'a' && c <= u'f' ? c - u'a' + 10
                : c >= u'A' && c <= u'F' ? c - u'A' + 10
                                         : -1;
    if (digit < 0) return std::nullopt;
    number = number << 4 | static_cast<std::uint32_t>(digit);
  }
  return number;
}

bool StartsWithNoCase(std::u16string_view text, std::u16string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    char16_t c = text[i] >= u'A' && text[i] <= u'Z' ? text[i] + 32 : text[i];
    if (c != prefix[i]) return false;
  }
  return true;
}

// A quoted string starting at text[pos]; leaves pos after the closing quote.
bool ParseQuoted(std::u16string_view text, std::size_t& pos, std::u16string& out,
                 std::string& error) {
  for (++pos; pos < text.size(); ++pos) {
    char16_t c = text[pos];
    if (c == u'"') {
      ++pos;
      return true;
    }
    if (c == u'\\' && ++pos < text.size()) {
      switch (text[pos]) {
        case u'\\':
          out += u'\\';
          break;
        case u'"':
          out += u'"';
          break;
        // Line breaks cannot stand in a line; the writer escapes them in names.
        case u'n':
          out += u'\n';
          break;
        case u'r':
          out += u'\r';
          break;
        default:
          error = "unknown escape '\\" + Utf16ToUtf8(text.substr(pos, 1)) + "'";
          return false;
      }
    } else {
      out += c;
    }
  }
  error = "missing closing quote";
  return false;
}

// Comma-separated bytes of one or two hex digits; a trailing comma is allowed.
bool ParseHexBytes(std::u16string_view text, std::vector<std::uint8_t>& bytes) {
  text = Trim(text);
  while (!text.empty()) {
    std::size_t comma = std::min(text.find(u','), text.size());
    std::optional<std::uint32_t> byte = HexNumber(Trim(text.substr(0, comma)), 2);
    if (!byte) return false;
    bytes.push_back(static_cast<std::uint8_t>(*byte));
    text.remove_prefix(std::min(comma + 1, text.size()));
  }
  return true;
}

bool IsStringType(std::uint32_t type) {
  return type == reg_type::kSz || type == reg_type::kExpandSz || type == reg_type::kMultiSz;
}

bool ParseHexValue(std::u16string_view data, bool eightBit, RegValue& value, std::string& error) {
  value.type = reg_type::kBinary;
  std::size_t colon = 3;  // after "hex"
  if (data.size() > 3 && data[3] == u'(') {
    std::size_t close = data.find(u')');
    std::optional<std::uint32_t> type =
        close == std::u16string_view::npos ? std::nullopt : HexNumber(data.substr(4, close - 4), 8);
    if (!type) {
      error = "bad value type in hex(...)";
      return false;
    }
    value.type = *type;
    colon = close + 1;
  }
  if (colon >= data.size() || data[colon] != u':') {
    error = "missing ':' after the value type";
    return false;
  }
  if (!ParseHexBytes(data.substr(colon + 1), value.data)) {
    error = "bad hex data";
    return false;
  }
  if (eightBit && IsStringType(value.type)) {
    std::string ansi(value.data.begin(), value.data.end());
    value.data = Utf16ToLeBytes(Cp1252ToUtf16(ansi));
  }
  return true;
}

bool ParseData(std::u16string_view data, bool eightBit, RegFileValue& value, std::string& error) {
  if (data == u"-") {
    value.remove = true;
    return true;
  }
  if (data.starts_with(u'"')) {
    std::size_t pos = 0;
    std::u16string text;
    if (!ParseQuoted(data, pos, text, error)) return false;
    if (!Trim(data.substr(pos)).empty()) {
      error = "text after the closing quote";
      return false;
    }
    text += u'\0';
    value.value = {reg_type::kSz, Utf16ToLeBytes(text)};
    return true;
  }
  if (StartsWithNoCase(data, u"dword:")) {
    std::optional<std::uint32_t> number = HexNumber(Trim(data.substr(6)), 8);
    if (!number) {
      error = "bad dword: up to 8 hex digits expected";
      return false;
    }
    value.value = {reg_type::kDword, {}};
    for (int shift = 0; shift < 32; shift += 8) {
      value.value.data.push_back(static_cast<std::uint8_t>(*number >> shift));
    }
    return true;
  }
  if (StartsWithNoCase(data, u"hex")) return ParseHexValue(data, eightBit, value.value, error);
  error = "unknown value data";
  return false;
}

}  // namespace

bool ParseValue(std::u16string_view text, bool eightBit, RegFileValue& value, std::string& error) {
  std::size_t pos = 1;
  if (text.front() == u'"') {
    std::u16string name;
    pos = 0;
    if (!ParseQuoted(text, pos, name, error)) return false;
    value.name = Utf16ToUtf8(name);
  }
  std::u16string_view rest = Trim(text.substr(pos));
  if (!rest.starts_with(u'=')) {
    error = "missing '=' after the value name";
    return false;
  }
  return ParseData(Trim(rest.substr(1)), eightBit, value, error);
}

}  // namespace quellorn::platform::reg_syntax
