#pragma once

#include <string>

namespace quellorn::ui {

// What a window model needs of the window around it: a message with an OK button, and a
// question answered OK/Yes (true) or Cancel/No.
class DialogHost {
 public:
  virtual ~DialogHost() = default;
  virtual void ShowMessage(const std::string& heading, const std::string& text) = 0;
  virtual bool Ask(const std::string& title, const std::string& text) = 0;
};

}  // namespace quellorn::ui
