#include "ui/keep_list_window.h"

#include <algorithm>

#include "erasers/keep_list_candidates.h"

namespace quellorn::ui {

namespace {

struct Captions {
  const char* title;
  const char* frame;
  const char* current;
  const char* keep;
};

Captions CaptionsOf(KeepListKind kind) {
  switch (kind) {
    case KeepListKind::kCookies:
      return {"Cookies Options", "Cookies", "Current Cookies List", "Cookies Keep List"};
    case KeepListKind::kUrl:
      return {"URL Drop-List Options", "URL Drop-List", "Current URL List", "URL Keep List"};
    case KeepListKind::kPlugins:
      return {"IE Plugins Options", "IE Plugins", "Current Plugins", "Plugins Keep List"};
  }
  return {};
}

}  // namespace

KeepListWindow::KeepListWindow(Context& ctx, std::string_view mode)
    : ctx_(ctx), kind_(KeepListKindOf(mode)) {}

void KeepListWindow::Load() {
  addEnabled_ = false;
  deleteEnabled_ = false;
  if (!kind_) return;
  const Captions captions = CaptionsOf(*kind_);
  title_ = captions.title;
  frameCaption_ = captions.frame;
  currentHeading_ = captions.current;
  keepHeading_ = captions.keep;
  auto entries = ReadKeepListFile(ctx_, *kind_);
  readable_ = entries.has_value();
  keep_ = std::move(entries).value_or(std::vector<std::string>{});
  OnRefresh();
}

void KeepListWindow::OnCurrentClick(std::size_t index) {
  if (index >= current_.size()) return;
  currentSelection_ = index;
  addEnabled_ = true;
  deleteEnabled_ = false;
}

void KeepListWindow::OnKeepClick(std::size_t index) {
  if (index >= keep_.size()) return;
  keepSelection_ = index;
  deleteEnabled_ = true;
  addEnabled_ = false;
}

void KeepListWindow::OnCurrentDoubleClick(std::size_t index) {
  OnCurrentClick(index);
  OnAdd();
}

void KeepListWindow::OnKeepDoubleClick(std::size_t index) {
  OnKeepClick(index);
  OnDelete();
}

void KeepListWindow::OnAdd() {
  // After a refresh nothing is selected, and there is nothing to add.
  if (!currentSelection_) return;
  const std::string& item = current_[*currentSelection_];
  if (std::find(keep_.begin(), keep_.end(), item) == keep_.end()) keep_.push_back(item);
}

void KeepListWindow::OnDelete() {
  if (!keepSelection_) return;
  keep_.erase(keep_.begin() + static_cast<std::ptrdiff_t>(*keepSelection_));
  keepSelection_.reset();
}

void KeepListWindow::OnRefresh() {
  current_.clear();
  currentSelection_.reset();
  if (kind_) current_ = KeepListCandidates(ctx_, *kind_);
}

void KeepListWindow::OnOk() {
  // A list that could not be read is not replaced by what the window showed in its place.
  if (kind_ && readable_) WriteKeepListFile(ctx_, *kind_, keep_);
  closed_ = true;
}

void KeepListWindow::OnCancel() {
  closed_ = true;
}

}  // namespace quellorn::ui
