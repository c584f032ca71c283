#pragma once

#include <span>
#include <string_view>

namespace quellorn::demo {

// The files of the installed program folder (dist/), built into the demo tool.
struct ShippedFile {
  std::string_view name;
  std::string_view content;
};
std::span<const ShippedFile> ShippedFiles();

}  // namespace quellorn::demo
