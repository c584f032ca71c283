#include "platform/text_encoding.h"

#include <array>

namespace quellorn::platform {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

// Decodes one UTF-8 sequence at text[pos]; advances pos. Returns -1 for an invalid sequence
// (pos then moves past its first byte only, so each bad byte gives one replacement).
std::int32_t DecodeUtf8(std::string_view text, std::size_t& pos) {
  auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
  std::uint8_t lead = byte(pos);
  int length = lead < 0x80           ? 1
               : (lead >> 5) == 0x6  ? 2
               : (lead >> 4) == 0xE  ? 3
               : (lead >> 3) == 0x1E ? 4
                                     : 0;
  if (length == 0 || pos + length > text.size()) {
    ++pos;
    return -1;
  }
  if (length == 1) return text[pos++];
  std::int32_t code = lead & (0x7F >> length);
  for (int i = 1; i < length; ++i) {
    if ((byte(pos + i) & 0xC0) != 0x80) {
      ++pos;
      return -1;
    }
    code = (code << 6) | (byte(pos + i) & 0x3F);
  }
  static constexpr std::array<std::int32_t, 5> kSmallest = {0, 0, 0x80, 0x800, 0x10000};
  bool overlong = code < kSmallest[length];
  bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  if (overlong || surrogate || code > 0x10FFFF) {
    ++pos;
    return -1;
  }
  pos += length;
  return code;
}

void AppendUtf8(std::string& out, std::uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// 0x80..0x9F of Windows-1252; the five unassigned bytes map to the C1 controls of the same
// number, as Windows converts them.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

bool IsValidUtf8(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size();) {
    if (DecodeUtf8(text, pos) < 0) return false;
  }
  return true;
}

std::u16string Utf8ToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    std::int32_t code = DecodeUtf8(text, pos);
    if (code < 0) {
      out += kReplacement;
    } else if (code >= 0x10000) {
      code -= 0x10000;
      out += static_cast<char16_t>(0xD800 + (code >> 10));
      out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
    } else {
      out += static_cast<char16_t>(code);
    }
  }
  return out;
}

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    std::uint32_t unit = text[i];
    bool high = unit >= 0xD800 && unit <= 0xDBFF;
    bool low = unit >= 0xDC00 && unit <= 0xDFFF;
    if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00));
      ++i;
    } else {
      AppendUtf8(out, high || low ? kReplacement : unit);
    }
  }
  return out;
}

std::u16string Cp1252ToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (char c : text) {
    auto byte = static_cast<std::uint8_t>(c);
    out += byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : static_cast<char16_t>(byte);
  }
  return out;
}

std::string Windows1252ToUtf8(std::string_view text) {
  return Utf16ToUtf8(Cp1252ToUtf16(text));
}

std::string Utf8ToWindows1252(std::string_view text) {
  std::string out;
  for (char16_t unit : Utf8ToUtf16(text)) {
    char byte = '?';
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
      byte = static_cast<char>(unit);
    } else {
      for (std::size_t i = 0; i < kCp1252High.size(); ++i) {
        if (kCp1252High[i] == unit) byte = static_cast<char>(0x80 + i);
      }
    }
    out += byte;
  }
  return out;
}

std::string DecodeTextFile(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  if (IsValidUtf8(bytes)) return std::string(bytes);
  return Windows1252ToUtf8(bytes);
}

std::vector<std::uint8_t> Utf16ToLeBytes(std::u16string_view text) {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(text.size() * 2);
  for (char16_t unit : text) {
    bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
  }
  return bytes;
}

std::u16string LeBytesToUtf16(const std::uint8_t* data, std::size_t size) {
  std::u16string text;
  text.reserve(size / 2);
  for (std::size_t i = 0; i + 1 < size; i += 2) {
    text += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
  }
  return text;
}

}  // namespace quellorn::platform
