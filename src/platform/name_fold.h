#pragma once

#include <string>
#include <string_view>

namespace quellorn::platform {

// Registry and file names compare without regard to case, the way Wine compares them: each
// UTF-16 code unit is mapped to lower case, and folded names sort as code unit sequences.
char16_t FoldCase(char16_t unit);

// The comparison key of a UTF-8 name.
std::u16string FoldName(std::string_view name);

bool SameName(std::string_view a, std::string_view b);

}  // namespace quellorn::platform
