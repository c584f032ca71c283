#include <string>

#include "browsers/ie_api.h"
#include "browsers/ie_keys.h"
#include "browsers/keep_list.h"
#include "core/activity_log.h"
#include "core/context.h"
#include "core/report.h"
#include "core/text_util.h"
#include "primitives/reg_api.h"
#include "primitives/shell_folders.h"
#include "primitives/string_api.h"

namespace quellorn {

using platform::kCurrentUser;

namespace {

void EraseTypedUrl(Context& ctx, const KeepList& keep, const std::string& name) {
  const std::string address = QueryValue(ctx, kCurrentUser, kTypedUrlsKey, name);
  // A kept address goes as well: the keep list is written back in its own order below.
  DeleteValue(ctx, kCurrentUser, kTypedUrlsKey, name);
  if (keep.Keeps(address)) return;
  ++ctx.totals.registryKeys;
  const std::string line = "Erasing Registry Key Value: " + address + " <OK>";
  WriteLog(ctx, line);
  DispList(ctx, line);
}

}  // namespace

void EraseTypedUrls(Context& ctx) {
  const auto keep = KeepList::Load(ctx, KeepListKind::kUrl);
  if (!keep) return;
  const std::string names = EnumValues(ctx, kCurrentUser, kTypedUrlsKey);
  if (HasText(names)) {
    for (const std::string& name : SplitText(names, ",")) {
      if (!Trim(name).empty()) EraseTypedUrl(ctx, *keep, name);
    }
  }
  if (!ctx.erasing()) return;
  // The kept addresses come back as url1, url2, ... in the order of the keep list.
  for (std::size_t k = 0; k < keep->entries.size(); ++k) {
    SetValue(ctx, kCurrentUser, kTypedUrlsKey, "url" + std::to_string(k + 1), keep->entries[k],
             platform::reg_type::kSz);
  }
}

}  // namespace quellorn
