#pragma once

#include <string_view>

namespace quellorn {

// A question with Yes and No buttons that stays in front of every window until answered.
class QuestionBox {
 public:
  virtual ~QuestionBox() = default;
  // True for Yes; No and a box closed otherwise answer false.
  virtual bool AskYesNo(std::string_view title, std::string_view question) = 0;
};

}  // namespace quellorn
