#pragma once

#include <string_view>

namespace quellorn {

// The settings file the program is shipped with (dist/settings.dat), byte for byte.
std::string_view ShippedSettings();

}  // namespace quellorn
