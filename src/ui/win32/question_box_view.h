#pragma once

#include "run/question_box.h"

namespace quellorn::ui::win32 {

// The question as a system-modal message box with Yes and No and the question icon.
class QuestionBoxView : public QuestionBox {
 public:
  bool AskYesNo(std::string_view title, std::string_view question) override;
};

}  // namespace quellorn::ui::win32
