#include "core/activity_log.h"
#include "core/context.h"
#include "core/file_text.h"
#include "core/report.h"
#include "erasers/browser_files.h"
#include "erasers/netscape_erasers.h"
#include "erasers/netscape_profiles.h"
#include "erasers/netscape_rewrites.h"
#include "primitives/file_rewrite.h"

namespace quellorn {

namespace {

// A file the eraser could not read or replace keeps its content and gets no line.
void RewriteLocalStore(Context& ctx, const std::string& profile) {
  const std::string path = profile + "\\localstore.rdf";
  if (!IsExistingFile(ctx, path)) return;
  if (ctx.erasing()) {
    const auto text = ReadWholeFile(ctx.os.files, path);
    if (!text || !ReplaceContent(ctx.os.files, path, profile + "\\localstore.new",
                                 WithoutSequenceItems(*text))) {
      return;
    }
  }
  ++ctx.run.totals.files;
  DispList(ctx, "Updated File " + path + " <OK>");
  ctx.view().Yield();
  WriteLog(ctx, "Updated " + path + " <OK>");
}

// Netscape 6 keeps every line, with the typed addresses blanked; nothing is reported.
void BlankNetscape6Prefs(Context& ctx, const std::string& profile) {
  const std::string path = profile + "\\prefs.js";
  if (!ctx.erasing() || !IsExistingFile(ctx, path)) return;
  if (const auto lines = ReadLines(ctx.os.files, path)) {
    ReplaceContent(ctx.os.files, path, path + ".new", WithUrlHistoryBlanked(*lines));
  }
}

void RewriteNetscape4Prefs(Context& ctx, const std::string& profile) {
  const std::string path = profile + "\\prefs.js";
  if (!IsExistingFile(ctx, path)) return;
  if (ctx.erasing()) {
    const auto lines = ReadLines(ctx.os.files, path);
    if (!lines || !ReplaceContent(ctx.os.files, path, path + ".old", WithoutUrlHistory(*lines))) {
      return;
    }
  }
  ++ctx.run.totals.files;
  const std::string line = "Updated file: " + path + " <OK>";
  WriteLog(ctx, line);
  DispList(ctx, line);
  ctx.view().Yield();
}

}  // namespace

void EraseNetscapeLocationBar(Context& ctx) {
  for (const NetscapeProfile& profile : NetscapeProfiles(ctx, "users50")) {
    if (profile.group == ProfileGroup::kNetscape4) {
      RewriteNetscape4Prefs(ctx, profile.folder);
    } else {
      RewriteLocalStore(ctx, profile.folder);
      BlankNetscape6Prefs(ctx, profile.folder);
    }
  }
}

}  // namespace quellorn
