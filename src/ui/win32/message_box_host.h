#pragma once

#include <string>

#include "ui/dialog_host.h"
#include "ui/win32/win32_ui.h"

namespace quellorn::ui::win32 {

// A window model's messages and questions as system message boxes over its window.
class MessageBoxHost final : public DialogHost {
 public:
  void SetOwner(HWND owner) { owner_ = owner; }

  void ShowMessage(const std::string& heading, const std::string& text) override {
    MessageBoxW(owner_, Wide(text).c_str(), Wide(heading).c_str(), MB_OK);
  }
  bool Ask(const std::string& title, const std::string& text) override {
    return MessageBoxW(owner_, Wide(text).c_str(), Wide(title).c_str(),
                       MB_YESNO | MB_ICONQUESTION) == IDYES;
  }

 private:
  HWND owner_ = nullptr;
};

}  // namespace quellorn::ui::win32
