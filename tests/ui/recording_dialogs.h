#pragma once

#include <deque>
#include <string>
#include <vector>

#include "ui/dialog_host.h"

namespace quellorn::testing {

// Records what a window model shows ("heading|text") and asks ("title|text"), and answers its
// questions in turn (OK or Yes when no answer is left).
template <typename Host = ui::DialogHost>
struct RecordingDialogs : Host {
  std::vector<std::string> shown;
  std::vector<std::string> asked;
  std::deque<bool> answers;
  void ShowMessage(const std::string& heading, const std::string& text) override {
    shown.push_back(heading + "|" + text);
  }
  bool Ask(const std::string& title, const std::string& text) override {
    asked.push_back(title + "|" + text);
    const bool answer = answers.empty() || answers.front();
    if (!answers.empty()) answers.pop_front();
    return answer;
  }
};

}  // namespace quellorn::testing
