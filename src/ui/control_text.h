#pragma once

#include <span>
#include <string_view>

namespace quellorn::ui {

// One control of a window: its name and the text it shows.
struct ControlText {
  std::string_view name;
  std::string_view text;
};

// The text of the named control, or nothing when the window has no such control.
inline std::string_view TextOf(std::span<const ControlText> controls, std::string_view name) {
  for (const ControlText& control : controls) {
    if (control.name == name) return control.text;
  }
  return "";
}

}  // namespace quellorn::ui
