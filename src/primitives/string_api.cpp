#include "primitives/string_api.h"

#include "core/text_util.h"

namespace quellorn {
namespace {

std::size_t Find(std::string_view text, std::string_view sought, std::size_t from,
                 Compare compare) {
  return compare == Compare::kText ? FindIgnoreCase(text, sought, from) : text.find(sought, from);
}

}  // namespace

std::string ReverseString(std::string_view text) {
  return std::string(text.rbegin(), text.rend());
}

std::size_t FindLast(std::string_view text, std::string_view sought, std::size_t start,
                     Compare compare) {
  // The last occurrence is the first one of the reversed sought text in the reversed text.
  if (start == 0 || sought.empty()) return 0;
  const std::size_t found = Find(ReverseString(text), ReverseString(sought), start - 1, compare);
  if (found == std::string::npos) return 0;
  return text.size() - (found + 1) - sought.size() + 2;
}

std::string ReplaceText(std::string_view text, std::string_view sought,
                        std::string_view replacement, std::size_t start, int count,
                        Compare compare) {
  std::string result(text);
  if (sought.empty() || sought == replacement || start == 0) return result;
  int replaced = 0;
  for (std::size_t pos = Find(result, sought, start - 1, compare); pos != std::string::npos;
       pos = Find(result, sought, pos + replacement.size(), compare)) {
    result.replace(pos, sought.size(), replacement);
    if (++replaced == count) break;
  }
  return result;
}

std::vector<std::string> SplitText(std::string_view text, std::string_view delimiter) {
  std::vector<std::string> pieces;
  if (!delimiter.empty()) {
    for (std::size_t pos = FindIgnoreCase(text, delimiter); pos != std::string_view::npos;
         pos = FindIgnoreCase(text, delimiter)) {
      pieces.emplace_back(text.substr(0, pos));
      text.remove_prefix(pos + delimiter.size());
    }
  }
  pieces.emplace_back(text);
  pieces.emplace_back();
  return pieces;
}

}  // namespace quellorn
