#include <optional>
#include <string>
#include <string_view>

#include "core/context.h"
#include "core/report.h"
#include "erasers/ie_erasers.h"
#include "erasers/ie_options_dialog.h"
#include "primitives/registry_eraser.h"

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
// when there was none), whatever happens in between; a sound that cannot be read, and so
// could not be put back, is not silenced at all.
class QuietQuestions {
 public:
  explicit QuietQuestions(Context& ctx) : ctx_(ctx) {
    RegKey key;
    if (RegKey::Open(ctx.os.registry, kCurrentUser, kQuestionSoundKey, key) != platform::kSuccess) {
      return;
    }
    RegValue value;
    const platform::Status read = ctx.os.registry.QueryValue(key.get(), "", value);
    if (read != platform::kSuccess && read != platform::kFileNotFound) return;
    if (read == platform::kSuccess) saved_ = value;
    silenced_ = SetValueEx(ctx.os.registry, key.get(), "", platform::reg_type::kSz, "") ==
                platform::kSuccess;
  }
  QuietQuestions(const QuietQuestions&) = delete;
  QuietQuestions& operator=(const QuietQuestions&) = delete;
  ~QuietQuestions() {
    // A write refused once may pass at once after; if not, the user must know the sound is off.
    if (!silenced_ || Restore() || Restore()) return;
    ReportLine(ctx_, "Could not restore the question sound HKEY_CURRENT_USER\\" +
                         std::string(kQuestionSoundKey) + " <Failed>");
  }

 private:
  bool Restore() {
    RegKey key;
    if (RegKey::Open(ctx_.os.registry, kCurrentUser, kQuestionSoundKey, key) !=
        platform::kSuccess) {
      return false;
    }
    if (saved_) return ctx_.os.registry.SetValue(key.get(), "", *saved_) == platform::kSuccess;
    const platform::Status status = ctx_.os.registry.DeleteValue(key.get(), "");
    return status == platform::kSuccess || status == platform::kFileNotFound;
  }

  Context& ctx_;
  bool silenced_ = false;
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
