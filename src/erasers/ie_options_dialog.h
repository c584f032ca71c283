#pragma once

#include <optional>
#include <string_view>

#include "platform/shell.h"

namespace quellorn {

struct Context;

// How Internet Explorer's Internet Options dialog is started at its Content page.
struct OptionsDialogStart {
  std::string_view commandLine;
  platform::ShowStyle style;
};

// The start for the installed Internet Explorer: versions 5 and 6 have the AutoComplete
// buttons this program drives; nothing for any other version.
std::optional<OptionsDialogStart> ChooseOptionsDialog(Context& ctx);

// Starts the dialog and clears the saved form entries and passwords with its own buttons,
// window by window: each key string goes to the window it is meant for and can reach no other
// program. When a window does not appear the automation stops there, and every window it
// found is closed again.
void ClearFormsAndPasswords(Context& ctx, const OptionsDialogStart& start);

}  // namespace quellorn
