#include "core/line_text.h"

#include <cstdint>

#include "platform/text_encoding.h"

namespace quellorn {
namespace {

std::size_t SequenceLength(std::uint8_t lead) {
  if (lead < 0x80) return 1;
  if ((lead >> 5) == 0x6) return 2;
  if ((lead >> 4) == 0xE) return 3;
  if ((lead >> 3) == 0x1E) return 4;
  return 0;
}

// The code point of a valid sequence of up to three bytes (longer ones are never controls).
std::uint32_t CodePoint(std::string_view sequence) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(sequence[i]); };
  switch (sequence.size()) {
    case 1:
      return byte(0);
    case 2:
      return ((byte(0) & 0x1Fu) << 6) | (byte(1) & 0x3Fu);
    case 3:
      return ((byte(0) & 0x0Fu) << 12) | ((byte(1) & 0x3Fu) << 6) | (byte(2) & 0x3Fu);
    default:
      return 0x10000;
  }
}

bool IsControl(std::uint32_t code) {
  return code < 0x20 || (code >= 0x7F && code <= 0x9F) || code == 0x2028 || code == 0x2029;
}

void AppendEscape(std::string& out, std::uint32_t value, int digits) {
  constexpr char kHex[] = "0123456789abcdef";
  out += digits == 2 ? "\\x" : "\\u";
  for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
    out += kHex[(value >> shift) & 0xF];
}

}  // namespace

std::string OneLine(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    const auto lead = static_cast<std::uint8_t>(text[pos]);
    const std::size_t length = SequenceLength(lead);
    const std::string_view sequence = text.substr(pos, length);
    if (length == 0 || sequence.size() < length || !platform::IsValidUtf8(sequence)) {
      AppendEscape(out, lead, 2);
      ++pos;
      continue;
    }
    const std::uint32_t code = CodePoint(sequence);
    if (!IsControl(code)) {
      out += sequence;
    } else {
      AppendEscape(out, code, length == 1 ? 2 : 4);
    }
    pos += length;
  }
  return out;
}

}  // namespace quellorn
