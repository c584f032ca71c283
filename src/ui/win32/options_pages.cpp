#include "ui/win32/options_pages.h"

#include <algorithm>

#include "ui/win32/controls.h"
#include "ui/win32/text_size.h"
#include "ui/win32/view_metrics.h"

namespace quellorn::ui::win32 {

namespace {

constexpr int kRowHeight = 24;
constexpr int kCheckHeight = 18;
constexpr int kComboHeight = 200;  // with its drop-down list
constexpr int kEditHeight = 21;
constexpr int kIndent = 18;  // explanations below a box line up with its text
constexpr int kFramePadding = 12;
constexpr int kCaptionGap = 6;  // the frame's caption is this much wider than its text

std::string_view TextOf(std::string_view name) {
  return ui::TextOf(OptionsWindow::Controls(), name);
}

int BoxId(OptionsBox box) {
  return options_id::kFirstBox + static_cast<int>(box);
}

// Places controls row by row inside the frame; with no parent it only counts the height.
class PageBuilder {
 public:
  PageBuilder(HWND parent, HFONT font, int left, int top, int width)
      : parent_(parent), font_(font), left_(left), top_(top), width_(width) {}

  int top() const { return top_; }
  void Skip(int height) { top_ += height; }

  void Caption(std::string_view name, int frameLeft, int frameTop) {
    const std::string_view text = TextOf(name);
    AddLabel(text, {frameLeft + kGap, frameTop - 7, TextWidth(font_, text) + kCaptionGap, 14});
  }
  void Text(std::string_view name, int indent = 0) {
    const int height = TextHeight(font_, TextOf(name), width_ - indent);
    AddLabel(TextOf(name), {left_ + indent, top_, width_ - indent, height});
    top_ += height + kGap;
  }
  void Check(OptionsBox box, int indent = 0) {
    AddCheck(box, {left_ + indent, top_, width_ - indent, kCheckHeight});
    top_ += kCheckHeight + 4;
  }
  // A box at the start of a row of controls.
  void CheckInRow(OptionsBox box, int width) {
    AddCheck(box, {left_, top_ + 2, width, kCheckHeight});
  }
  // A label, then a control beside it on one row.
  void Label(std::string_view name, int left, int width) {
    AddLabel(TextOf(name), {left, top_ + 4, width, 16});
  }
  void Combo(int id, int left, int width, DWORD style) {
    if (parent_ == nullptr) return;
    const HWND combo = MakeControl(WC_COMBOBOXW, parent_, id, "", {left, top_, width, kComboHeight},
                                   WS_TABSTOP | WS_VSCROLL | style);
    UseFont(combo, font_);
    controls_.push_back(combo);
  }
  void Edit(int id, int left, int width) {
    if (parent_ == nullptr) return;
    const HWND edit = MakeControl(WC_EDITW, parent_, id, "", {left, top_, width, kEditHeight},
                                  WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE);
    UseFont(edit, font_);
    controls_.push_back(edit);
  }
  void Button(int id, std::string_view name, int left) {
    if (parent_ == nullptr) return;
    controls_.push_back(
        MakeButton(parent_, id, TextOf(name), {left, top_, kButtonWidth, kButtonHeight}, font_));
  }
  void EndRow(int height = kRowHeight) { top_ += height + kGap / 2; }

  int left() const { return left_; }
  int width() const { return width_; }
  HFONT font() const { return font_; }
  std::vector<HWND> Take() { return std::move(controls_); }

 private:
  void AddLabel(std::string_view text, Box box) {
    if (parent_ != nullptr) controls_.push_back(MakeLabel(parent_, 0, text, box, font_));
  }
  void AddCheck(OptionsBox box, Box at) {
    const std::string_view text = TextOf(OptionsWindow::BoxName(box));
    if (parent_ != nullptr) controls_.push_back(MakeCheckBox(parent_, BoxId(box), text, at, font_));
  }

  HWND parent_;
  HFONT font_;
  int left_;
  int top_;
  int width_;
  std::vector<HWND> controls_;
};

void General(PageBuilder& page) {
  const int labelWidth = TextWidth(page.font(), TextOf("Label9")) + kGap;
  page.Label("Label9", page.left(), labelWidth);
  page.Combo(options_id::kLog, page.left() + labelWidth, 220, CBS_DROPDOWNLIST);
  page.EndRow();
  page.Text("Label10");
  page.Skip(kGap / 2);
  page.Check(OptionsBox::kAutorun);
  page.Check(OptionsBox::kStealth);
  page.Text("Label5", kIndent);
  page.Check(OptionsBox::kBossKey);
  page.Text("Label6", kIndent);
  page.Check(OptionsBox::kAskBeforeErasing);
}

void Schedule(PageBuilder& page) {
  page.Text("Label3");
  for (const OptionsBox box :
       {OptionsBox::kWindowsStartUp, OptionsBox::kWindowsShutdown, OptionsBox::kBrowserShutdown})
    page.Check(box, kIndent);
  page.Skip(kGap / 2);
  page.Text("Label11");
  const int checkWidth =
      TextWidth(page.font(), TextOf(OptionsWindow::BoxName(OptionsBox::kRunPerTime))) + 24;
  page.CheckInRow(OptionsBox::kRunPerTime, checkWidth);
  page.Combo(options_id::kTime, page.left() + checkWidth + kGap, 120, CBS_DROPDOWNLIST);
  page.EndRow();
  page.Text("Label12");
}

void Security(PageBuilder& page) {
  page.Text("Label4");
  page.Check(OptionsBox::kSecureErasing);
  page.Skip(kGap / 2);
  const int labelWidth = TextWidth(page.font(), TextOf("Label7")) + kGap;
  constexpr int kComboWidth = 52;
  page.Label("Label7", page.left() + kIndent, labelWidth);
  const int comboLeft = page.left() + kIndent + labelWidth;
  page.Combo(options_id::kOverwrite, comboLeft, kComboWidth, CBS_DROPDOWN);
  page.Label("Label8", comboLeft + kComboWidth + kGap,
             page.width() - (comboLeft + kComboWidth + kGap - page.left()));
  page.EndRow();
  page.Skip(kGap / 2);
  page.Text("Label16");
  page.Text("Label17");
}

void Homepage(PageBuilder& page) {
  page.Text("Label14");
  page.Check(OptionsBox::kHomepageProtect);
  page.Text("Label15", kIndent);
  const int labelWidth = TextWidth(page.font(), TextOf("Label2")) + kGap;
  const int editLeft = page.left() + labelWidth;
  const int editWidth = page.width() - labelWidth;
  for (const auto& [label, id] : {std::pair{"Label1", options_id::kHomepage},
                                  std::pair{"Label2", options_id::kWindowTitle}}) {
    page.Label(label, page.left(), labelWidth);
    page.Edit(id, editLeft, editWidth);
    page.EndRow();
  }
  const int right = page.left() + page.width();
  page.Button(options_id::kApply, "cmdHomepage", right - kButtonWidth);
  page.Button(options_id::kUseBlank, "cmdblank", right - 2 * kButtonWidth - kGap);
  page.EndRow(kButtonHeight);
}

constexpr const char* kFrames[kOptionsTabCount] = {"Frame1", "Frame10", "Frame2", "Frame3"};

}  // namespace

OptionsPage BuildOptionsPage(HWND parent, OptionsTab tab, HFONT font, int left, int top,
                             int width) {
  const int innerTop = top + 2 * kFramePadding;
  PageBuilder page(parent, font, left + kFramePadding, innerTop, width - 2 * kFramePadding);
  switch (tab) {
    case OptionsTab::kGeneral:
      General(page);
      break;
    case OptionsTab::kSchedule:
      Schedule(page);
      break;
    case OptionsTab::kSecurity:
      Security(page);
      break;
    case OptionsTab::kHomepage:
      Homepage(page);
      break;
  }
  OptionsPage built;
  built.bottom = page.top() - kGap / 2 + kFramePadding;
  built.frame = {left, top + kFramePadding / 2, left + width, built.bottom};
  page.Caption(kFrames[static_cast<int>(tab)], left, top + kFramePadding / 2);
  built.controls = page.Take();
  return built;
}

}  // namespace quellorn::ui::win32
