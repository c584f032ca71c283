#pragma once

#include <string_view>

namespace quellorn {

inline constexpr std::string_view kProgramVersion = "2.0";

}  // namespace quellorn
