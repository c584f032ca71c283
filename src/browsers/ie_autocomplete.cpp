#include <optional>
#include <string_view>

#include "browsers/ie_api.h"
#include "browsers/options_dialog.h"
#include "core/context.h"
#include "primitives/reg_api.h"

namespace quellorn {

using platform::kCurrentUser;
using platform::RegKey;
using platform::RegValue;

namespace {

constexpr std::string_view kSearchPropertiesKey =
    "Software\\Microsoft\\Internet Explorer\\Search\\SearchProperties";
constexpr std::string_view kQuestionSoundKey =
    "AppEvents\\Schemes\\Apps\\.Default\\SystemQuestion\\.Current";

// Silences the sound of the question event, which the dialog's confirmation boxes would play,
// for its own lifetime. The sound is put back exactly as it was (of whatever type, or removed
// when there was none), whatever happens in between.
class QuietQuestions {
 public:
  explicit QuietQuestions(Context& ctx) : ctx_(ctx) {
    RegKey key;
    if (RegKey::Open(ctx.os.registry, kCurrentUser, kQuestionSoundKey, key) != platform::kSuccess) {
      return;
    }
    open_ = true;
    RegValue value;
    if (ctx.os.registry.QueryValue(key.get(), "", value) == platform::kSuccess) saved_ = value;
    SetValueEx(ctx.os.registry, key.get(), "", platform::reg_type::kSz, "");
  }
  QuietQuestions(const QuietQuestions&) = delete;
  QuietQuestions& operator=(const QuietQuestions&) = delete;
  ~QuietQuestions() {
    RegKey key;
    if (!open_ || RegKey::Open(ctx_.os.registry, kCurrentUser, kQuestionSoundKey, key) !=
                      platform::kSuccess) {
      return;
    }
    if (saved_) {
      ctx_.os.registry.SetValue(key.get(), "", *saved_);
    } else {
      ctx_.os.registry.DeleteValue(key.get(), "");
    }
  }

 private:
  Context& ctx_;
  bool open_ = false;
  std::optional<RegValue> saved_;
};

}  // namespace

void EraseAutoComplete(Context& ctx) {
  // Nothing here can be counted beforehand, so a test run leaves it out altogether.
  if (!ctx.erasing()) return;
  DeleteMatchingSubkeys(ctx, kCurrentUser, kSearchPropertiesKey, "");
  const QuietQuestions quiet(ctx);
  // While Windows 98 asks whether it may end, no program is started.
  if (ctx.windows98Ending || !ctx.os.desktop.HasWindows()) return;
  if (const auto start = ChooseOptionsDialog(ctx)) ClearFormsAndPasswords(ctx, *start);
}

}  // namespace quellorn
