#include "ui/win32/question_box_view.h"

#include "ui/win32/win32_ui.h"

namespace quellorn::ui::win32 {

bool QuestionBoxView::AskYesNo(std::string_view title, std::string_view question) {
  constexpr UINT kStyle = MB_YESNO | MB_ICONQUESTION | MB_SYSTEMMODAL;
  static_assert(kStyle == 4132);
  return MessageBoxW(nullptr, Wide(question).c_str(), Wide(title).c_str(), kStyle) == IDYES;
}

}  // namespace quellorn::ui::win32
