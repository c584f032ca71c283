#include "run/home_page_guard.h"

#include "core/context.h"
#include "platform/registry.h"
#include "primitives/registry_eraser.h"
#include "run/question_box.h"

namespace quellorn {
namespace {

constexpr std::string_view kMainKey = "Software\\Microsoft\\Internet Explorer\\Main";
constexpr std::string_view kStartPage = "Start Page";

// The registry writer writes only in an erase run. The run under way, if any, keeps its mode.
void WriteBack(Context& ctx) {
  const ScopedEraseMode erasing(ctx);
  for (const platform::RegHandle root : {platform::kCurrentUser, platform::kLocalMachine}) {
    SetValue(ctx, root, kMainKey, kStartPage, ctx.homePage, platform::reg_type::kSz);
  }
}

}  // namespace

void GuardHomePage(Context& ctx, QuestionBox& questions) {
  std::string current = QueryValue(ctx, platform::kCurrentUser, kMainKey, kStartPage);
  // As at start-up, a page that cannot be read is none.
  if (current == kReadFailed) current.clear();
  if (current == ctx.homePage) return;
  const std::string question =
      "Your Home Page From " + ctx.homePage + " changed to " + current + ", Do You Agree ?";
  if (questions.AskYesNo("Quellorn", question)) {
    ctx.homePage = current;
  } else {
    WriteBack(ctx);
  }
}

}  // namespace quellorn
