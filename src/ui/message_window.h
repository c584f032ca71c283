#pragma once

#include <string>
#include <string_view>

namespace quellorn::ui {

// The program's own message box (frmOK): a heading over the skinned frame, a text that may hold
// line breaks, and OK.
class MessageWindow {
 public:
  static constexpr std::string_view kOkCaption = "OK";

  MessageWindow(std::string heading, std::string text)
      : heading_(std::move(heading)), text_(std::move(text)) {}

  const std::string& heading() const { return heading_; }
  const std::string& text() const { return text_; }
  bool closed() const { return closed_; }

  // OK and the close image.
  void OnOk() { closed_ = true; }

 private:
  std::string heading_;
  std::string text_;
  bool closed_ = false;
};

}  // namespace quellorn::ui
