#pragma once

#include <optional>
#include <string>

#include "ui/message_window.h"
#include "ui/win32/message_loop.h"
#include "ui/win32/skinned_window.h"

namespace quellorn::ui::win32 {

// The message window on screen, modeless. It is as tall as its text needs.
class MessageView : public SkinnedWindow {
 public:
  MessageView(const SkinArt& art, MessageLoop& loop, std::string heading, std::string text);

  // Shows the window, centred on its owner or with its top left at `at`.
  bool Show(HWND owner, std::optional<POINT> at = std::nullopt);
  void Close();

 private:
  void OnCommand(int id, int code) override;
  void OnTitleClose() override { Close(); }

  MessageLoop& loop_;
  MessageWindow model_;
};

}  // namespace quellorn::ui::win32
