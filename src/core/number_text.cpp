#include "core/number_text.h"

#include <cctype>
#include <cmath>
#include <limits>

namespace quellorn {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back()))
    text.remove_suffix(1);
  return text;
}

// Reads [sign] digits [. digits] from the start of text; answers the length read (0 when
// there is no digit at all).
std::size_t ScanDecimal(std::string_view text, double& value) {
  std::size_t pos = 0;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
  double result = 0;
  bool digits = false;
  for (; pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos])); ++pos) {
    result = result * 10 + (text[pos] - '0');
    digits = true;
  }
  if (pos < text.size() && text[pos] == '.') {
    double scale = 0.1;
    for (++pos; pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos])); ++pos) {
      result += (text[pos] - '0') * scale;
      scale /= 10;
      digits = true;
    }
  }
  if (!digits) return 0;
  value = negative ? -result : result;
  return pos;
}

double RoundHalfEven(double value) {
  return std::nearbyint(value);
}

}  // namespace

std::optional<std::int32_t> ParseWholeNumber(std::string_view text, std::int32_t min,
                                             std::int32_t max) {
  text = TrimBlanks(text);
  double value = 0;
  if (text.empty() || ScanDecimal(text, value) != text.size()) return std::nullopt;
  const double rounded = RoundHalfEven(value);
  if (rounded < min || rounded > max) return std::nullopt;
  return static_cast<std::int32_t>(rounded);
}

double LeadingNumber(std::string_view text) {
  while (!text.empty() && IsBlank(text.front()))
    text.remove_prefix(1);
  double value = 0;
  return ScanDecimal(text, value) > 0 ? value : 0;
}

std::int16_t LeadingNumber16(std::string_view text) {
  const double rounded = RoundHalfEven(LeadingNumber(text));
  if (rounded < std::numeric_limits<std::int16_t>::min() ||
      rounded > std::numeric_limits<std::int16_t>::max()) {
    return 0;
  }
  return static_cast<std::int16_t>(rounded);
}

}  // namespace quellorn
