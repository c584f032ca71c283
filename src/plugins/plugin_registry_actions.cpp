// The registry families of a plugin or custom item.

#include "core/activity_log.h"
#include "core/context.h"
#include "core/report.h"
#include "plugins/plugin_actions.h"
#include "primitives/protected_places.h"
#include "primitives/reg_path.h"
#include "primitives/registry_eraser.h"

namespace quellorn {

namespace {

struct KeyPath {
  platform::RegHandle root;
  std::string subKey;
};

KeyPath KeyOf(std::string_view path) {
  return {GetRootKey(path), GetSubkeyPath(path)};
}

// An entry erased (or, in a test run, found): counted, logged, shown.
void ReportKey(Context& ctx, const std::string& line) {
  ++ctx.run.totals.registryKeys;
  WriteLog(ctx, line);
  DispStatus(ctx);
  DispList(ctx, line);
  ctx.view().Yield();
}

void ListForEditor(Context& ctx, const std::string& line) {
  if (ctx.editorTest.list != nullptr) ctx.editorTest.list->AddLine(line);
  ++ctx.editorTest.count;
}

bool KeyOpens(Context& ctx, const KeyPath& key) {
  platform::RegKey opened;
  return platform::RegKey::Open(ctx.os.registry, key.root, key.subKey, opened) ==
         platform::kSuccess;
}

}  // namespace

bool DelRegValueListEntry(Context& ctx, const clsIniFile&, std::string_view value) {
  const ActionFields fields(value);
  if (fields[0].empty() || fields[1].empty()) return false;
  const KeyPath key = KeyOf(fields[0]);
  DeleteMatchingValues(ctx, key.root, key.subKey, fields[1]);
  return true;
}

bool DelRegValueEntry(Context& ctx, const clsIniFile&, std::string_view value) {
  const ActionFields fields(value);
  if (fields[0].empty() || fields[1].empty()) return false;
  const KeyPath key = KeyOf(fields[0]);
  const std::string& name = fields[1];
  // A value that cannot be read (missing, or of a type shown as no text) goes unreported.
  if (QueryValue(ctx, key.root, key.subKey, name) == kReadFailed) {
    if (!ctx.editorTest.active) DeleteValue(ctx, key.root, key.subKey, name);
    return true;
  }
  const std::string line = "Erasing Registry Key Value: " + name + " <OK>";
  if (ctx.editorTest.active) {
    ListForEditor(ctx, line);
    return true;
  }
  DeleteValue(ctx, key.root, key.subKey, name);
  ReportKey(ctx, line);
  return true;
}

bool DelRegKeyListEntry(Context& ctx, const clsIniFile&, std::string_view value) {
  const ActionFields fields(value);
  if (fields[0].empty() || fields[1].empty()) return false;
  const KeyPath key = KeyOf(fields[0]);
  DeleteMatchingSubkeys(ctx, key.root, key.subKey, fields[1]);
  return true;
}

bool DelRegKeyEntry(Context& ctx, const clsIniFile&, std::string_view value) {
  const ActionFields fields(value);
  const KeyPath key = KeyOf(fields[0]);
  if (!KeyOpens(ctx, key) || RefuseKeyDeletion(ctx, key.root, key.subKey)) return true;
  const std::string line = "Erasing Registry Key: " + fields[0] + " <OK>";
  if (ctx.editorTest.active) {
    ListForEditor(ctx, line);
    return true;
  }
  // A key that stays, like a file that cannot be erased, goes unreported.
  if (DeleteKey(ctx, key.root, key.subKey)) ReportKey(ctx, line);
  return true;
}

bool UpdateRegValueEntry(Context& ctx, const clsIniFile&, std::string_view value) {
  const ActionFields fields(value);
  if (fields[0].empty() || fields[1].empty()) return false;
  const KeyPath key = KeyOf(fields[0]);
  // Only a value that is there and readable is changed: none is created.
  const std::string old = QueryValue(ctx, key.root, key.subKey, fields[1]);
  if (old == kReadFailed) return true;
  if (ctx.editorTest.active) {
    ++ctx.editorTest.count;
    return true;
  }
  SetValue(ctx, key.root, key.subKey, fields[1], fields[2], platform::reg_type::kSz);
  ReportKey(ctx, "Erasing Registry Key Value: " + old + " <OK>");
  return true;
}

}  // namespace quellorn
