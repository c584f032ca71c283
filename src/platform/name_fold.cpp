#include "platform/name_fold.h"

#include <algorithm>

#include "platform/text_encoding.h"

namespace quellorn::platform {
namespace {

struct FoldRun {
  char16_t first;
  char16_t last;
  int delta;
  int stride;
};

constexpr FoldRun kFoldRuns[] = {
#include "platform/case_fold_table.inc"
};

}  // namespace

char16_t FoldCase(char16_t unit) {
  if (unit < 0x80) return unit >= u'A' && unit <= u'Z' ? unit + 32 : unit;
  auto run = std::upper_bound(std::begin(kFoldRuns), std::end(kFoldRuns), unit,
                              [](char16_t c, const FoldRun& r) { return c < r.first; });
  if (run == std::begin(kFoldRuns)) return unit;
  --run;
  if (unit > run->last || (unit - run->first) % run->stride != 0) return unit;
  return static_cast<char16_t>(unit + run->delta);
}

std::u16string FoldName(std::string_view name) {
  std::u16string folded = Utf8ToUtf16(name);
  for (char16_t& unit : folded)
    unit = FoldCase(unit);
  return folded;
}

bool SameName(std::string_view a, std::string_view b) {
  return a == b || FoldName(a) == FoldName(b);
}

}  // namespace quellorn::platform
