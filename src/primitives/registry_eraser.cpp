#include "primitives/registry_eraser.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "core/activity_log.h"
#include "core/context.h"
#include "core/number_text.h"
#include "core/report.h"
#include "core/text_util.h"
#include "platform/text_encoding.h"
#include "primitives/protected_places.h"
#include "primitives/reg_path.h"

namespace quellorn {

using platform::RegKey;
using platform::RegValue;
namespace reg_type = platform::reg_type;

namespace {

std::u16string Utf16Units(const std::vector<std::uint8_t>& data) {
  return platform::LeBytesToUtf16(data.data(), data.size());
}

std::optional<RegValue> ReadRaw(Context& ctx, platform::RegHandle root, std::string_view subKey,
                                std::string_view name) {
  RegKey key;
  if (RegKey::Open(ctx.os.registry, root, subKey, key) != platform::kSuccess) return std::nullopt;
  RegValue value;
  if (ctx.os.registry.QueryValue(key.get(), name, value) != platform::kSuccess) {
    return std::nullopt;
  }
  return value;
}

// Text of a REG_SZ or REG_DWORD value, as the program has always read values.
std::optional<std::string> TextOf(const RegValue& value) {
  if (value.type == reg_type::kSz && value.data.size() >= 2) {
    std::u16string text = Utf16Units(value.data);
    if (text.ends_with(u'\0')) text.pop_back();
    return platform::Utf16ToUtf8(text);
  }
  if (value.type == reg_type::kDword && value.data.size() >= 4) {
    const std::uint32_t bits = value.data[0] | (value.data[1] << 8) | (value.data[2] << 16) |
                               (static_cast<std::uint32_t>(value.data[3]) << 24);
    return std::to_string(static_cast<std::int32_t>(bits));
  }
  return std::nullopt;
}

bool IsSurrogate(char16_t unit, char16_t first) {
  return unit >= first && unit <= first + 0x3FF;
}

// Printable characters only; a surrogate only as half of its pair.
bool IsPrintable(std::u16string_view piece) {
  for (std::size_t i = 0; i < piece.size(); ++i) {
    const char16_t unit = piece[i];
    if (IsSurrogate(unit, 0xD800) && i + 1 < piece.size() && IsSurrogate(piece[i + 1], 0xDC00)) {
      ++i;
    } else if (unit < 0x20 || (unit >= 0x7F && unit <= 0x9F) || IsSurrogate(unit, 0xD800) ||
               IsSurrogate(unit, 0xDC00) || unit >= 0xFFFD) {
      return false;
    }
  }
  return true;
}

// Data of another type is text when it is whole UTF-16 strings of printable characters, each
// ending in a NUL (MRU lists kept as REG_BINARY, for instance); they are joined by a blank.
// Odd lengths, a missing terminator, control characters or a string followed by binary data
// make it binary.
std::optional<std::string> StringsOf(const std::vector<std::uint8_t>& data) {
  const std::u16string units = Utf16Units(data);
  if (data.size() % 2 != 0 || units.empty() || units.back() != u'\0') return std::nullopt;
  std::string shown;
  for (std::size_t start = 0; start < units.size();) {
    const std::size_t end = units.find(u'\0', start);
    const std::u16string_view piece(units.data() + start, end - start);
    start = end + 1;
    if (piece.empty()) continue;
    if (!IsPrintable(piece)) return std::nullopt;
    if (!shown.empty()) shown += ' ';
    shown += platform::Utf16ToUtf8(piece);
  }
  if (shown.empty()) return std::nullopt;
  return shown;
}

// What a report shows of any value: its text, the strings its data holds, or for binary data
// its name.
std::string DisplayText(const RegValue& value, std::string_view name) {
  if (auto text = TextOf(value)) return *text;
  return StringsOf(value.data).value_or(std::string(name));
}

std::vector<std::string> ValueNames(Context& ctx, platform::RegHandle root,
                                    std::string_view subKey) {
  const std::string list = EnumValues(ctx, root, subKey);
  std::vector<std::string> names;
  if (list == kReadFailed) return names;
  for (std::string& piece : SplitText(list, ",")) {
    if (!Trim(piece).empty()) names.push_back(std::move(piece));
  }
  return names;
}

void ListForEditor(Context& ctx, const std::string& line) {
  if (ctx.editorTest.list != nullptr) ctx.editorTest.list->AddLine(line);
  ++ctx.editorTest.count;
}

// Removes a key with everything below it, deepest keys first; the key's own deletion tells
// whether it went, since it fails while anything is left below it.
platform::Status DeleteTree(platform::Registry& registry, platform::RegHandle root,
                            const std::string& path) {
  RegKey key;
  if (RegKey::Open(registry, root, path, key) == platform::kSuccess) {
    std::string child;
    std::vector<std::string> children;
    for (std::uint32_t i = 0; registry.EnumKey(key.get(), i, child) == platform::kSuccess; ++i) {
      children.push_back(child);
    }
    for (const std::string& name : children)
      DeleteTree(registry, root, path + "\\" + name);
  }
  return registry.DeleteKey(root, path);
}

// How the ledger names a key: its root's name and its path.
std::string KeyPath(platform::RegHandle root, std::string_view subKey) {
  return GetRootName(root) + "\\" + std::string(subKey);
}

}  // namespace

platform::Status SetValueEx(platform::Registry& registry, platform::RegHandle key,
                            std::string_view name, std::uint32_t type, std::string_view value) {
  RegValue data{type, {}};
  if (type == reg_type::kSz) {
    // Stored with its terminating NUL, as Windows stores strings, so it reads back whole.
    data.data = platform::Utf16ToLeBytes(platform::Utf8ToUtf16(value) + u'\0');
  } else if (type == reg_type::kDword) {
    const auto number = ParseWholeNumber(value, INT32_MIN, INT32_MAX);
    if (!number) return platform::kInvalidParameter;
    const auto bits = static_cast<std::uint32_t>(*number);
    data.data = {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
                 static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
  } else {
    return platform::kInvalidParameter;
  }
  return registry.SetValue(key, name, data);
}

bool DeleteKey(Context& ctx, platform::RegHandle root, std::string_view subKey) {
  if (RefuseKeyDeletion(ctx, root, subKey)) return false;
  const std::string path = KeyPath(root, subKey);
  if (!ctx.erasing()) {
    RegKey key;
    if (ctx.run.ledger.verifying() &&
        RegKey::Open(ctx.os.registry, root, subKey, key) == platform::kSuccess) {
      ctx.run.ledger.Found(path);
    }
    return true;
  }
  // The program has always reported a deleted key with everything below it, so it deletes
  // the whole tree, where RegDeleteKey alone would refuse a key that has subkeys.
  const platform::Status status = DeleteTree(ctx.os.registry, root, std::string(subKey));
  ctx.run.ledger.Erased(path, status);
  return status == platform::kSuccess;
}

void DeleteValue(Context& ctx, platform::RegHandle root, std::string_view subKey,
                 std::string_view name) {
  RegKey key;
  if (RegKey::Open(ctx.os.registry, root, subKey, key) != platform::kSuccess) return;
  const std::string path = KeyPath(root, subKey) + "\\" + std::string(name);
  if (ctx.erasing()) {
    ctx.run.ledger.Erased(path, ctx.os.registry.DeleteValue(key.get(), name));
    return;
  }
  RegValue value;
  if (ctx.run.ledger.verifying() &&
      ctx.os.registry.QueryValue(key.get(), name, value) == platform::kSuccess) {
    ctx.run.ledger.Found(path);
  }
}

void SetValue(Context& ctx, platform::RegHandle root, std::string_view subKey,
              std::string_view name, std::string_view value, std::uint32_t type) {
  RegKey key;
  if (RegKey::Open(ctx.os.registry, root, subKey, key) != platform::kSuccess) return;
  if (ctx.erasing()) SetValueEx(ctx.os.registry, key.get(), name, type, value);
}

platform::Status CreateKey(Context& ctx, platform::RegHandle root, std::string_view subKey) {
  RegKey key;
  return RegKey::Create(ctx.os.registry, root, subKey, key);
}

std::string QueryValue(Context& ctx, platform::RegHandle root, std::string_view subKey,
                       std::string_view name) {
  const auto value = ReadRaw(ctx, root, subKey, name);
  if (!value) return std::string(kReadFailed);
  return TextOf(*value).value_or(std::string(kReadFailed));
}

std::optional<std::string> QueryStringValue(Context& ctx, platform::RegHandle root,
                                            std::string_view subKey, std::string_view name) {
  auto value = ReadRaw(ctx, root, subKey, name);
  if (!value || (value->type != reg_type::kSz && value->type != reg_type::kExpandSz))
    return std::nullopt;
  value->type = reg_type::kSz;
  return TextOf(*value);
}

std::string EnumValues(Context& ctx, platform::RegHandle root, std::string_view subKey) {
  RegKey key;
  if (RegKey::Open(ctx.os.registry, root, subKey, key) != platform::kSuccess) {
    return std::string(kReadFailed);
  }
  std::string list;
  std::string name;
  for (std::uint32_t i = 0; ctx.os.registry.EnumValue(key.get(), i, name) == platform::kSuccess;
       ++i) {
    list += name;
    list += ',';
  }
  return list;
}

std::string EnumKeys(Context& ctx, platform::RegHandle root, std::string_view subKey) {
  RegKey key;
  if (RegKey::Open(ctx.os.registry, root, subKey, key) != platform::kSuccess) {
    return std::string(kReadFailed);
  }
  std::string list;
  std::string name;
  for (std::uint32_t i = 0; ctx.os.registry.EnumKey(key.get(), i, name) == platform::kSuccess;
       ++i) {
    if (i > 0) list += ',';
    list += name;
  }
  return list.empty() ? std::string(kReadFailed) : list;
}

void ClearKeyValues(Context& ctx, platform::RegHandle root, std::string_view subKey) {
  for (const std::string& name : ValueNames(ctx, root, subKey)) {
    const auto value = ReadRaw(ctx, root, subKey, name);
    if (!value) continue;
    DeleteValue(ctx, root, subKey, name);
    ++ctx.run.totals.registryKeys;
    const std::string line = "Erasing Registry Key Value: " + DisplayText(*value, name) + " <OK>";
    WriteLog(ctx, line);
    DispList(ctx, line);
  }
}

void DeleteMatchingValues(Context& ctx, platform::RegHandle root, std::string_view subKey,
                          std::string_view filter) {
  for (const std::string& name : ValueNames(ctx, root, subKey)) {
    if (filter != "all" && !ContainsIgnoreCase(name, filter)) continue;
    const auto value = ReadRaw(ctx, root, subKey, name);
    if (!value) continue;
    const std::string line = "Erasing Registry Key Value: " + DisplayText(*value, name) + " <OK>";
    if (ctx.editorTest.active) {
      ListForEditor(ctx, line);
      continue;
    }
    DeleteValue(ctx, root, subKey, name);
    ++ctx.run.totals.registryKeys;
    WriteLog(ctx, line);
    DispStatus(ctx);
    DispList(ctx, line);
  }
}

void DeleteMatchingSubkeys(Context& ctx, platform::RegHandle root, std::string_view subKey,
                           std::string_view filter) {
  RegKey key;
  if (RegKey::Open(ctx.os.registry, root, subKey, key) != platform::kSuccess) return;
  std::vector<std::string> paths;
  std::string name;
  for (std::uint32_t i = 0; ctx.os.registry.EnumKey(key.get(), i, name) == platform::kSuccess;
       ++i) {
    if (name.find(filter) != std::string::npos) paths.push_back(std::string(subKey) + "\\" + name);
  }
  for (const std::string& path : paths) {
    if (RefuseKeyDeletion(ctx, root, path)) continue;
    if (ctx.editorTest.active) {
      ListForEditor(ctx, "Erasing Registry Key : " + path + " <OK>");
      continue;
    }
    if (!DeleteKey(ctx, root, path)) continue;
    ++ctx.run.totals.registryKeys;
    const std::string line = "Erasing Registry Key: " + path + " <OK>";
    WriteLog(ctx, line);
    DispStatus(ctx);
    DispList(ctx, line);
  }
}

}  // namespace quellorn
