#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace quellorn {

// A whole number in [min, max] from text such as " 12 ", "-1" or "2.5" (rounded half to
// even); nothing for text that is not a number or is out of range. This is how stored
// settings convert: a value that does not convert leaves the setting as it was.
std::optional<std::int32_t> ParseWholeNumber(std::string_view text, std::int32_t min,
                                             std::int32_t max);

// The leading numeric part of a text ("3x" is 3, "abc" is 0, " 2.5 files" is 2.5).
double LeadingNumber(std::string_view text);

// LeadingNumber rounded half to even to a 16-bit number; 0 when it does not fit.
std::int16_t LeadingNumber16(std::string_view text);

}  // namespace quellorn
