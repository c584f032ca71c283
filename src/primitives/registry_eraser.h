#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/registry.h"

namespace quellorn {

struct Context;

// What every registry read answers when the key cannot be opened or the value read.
inline constexpr std::string_view kReadFailed = "error440";

// The registry primitives. Keys are opened and closed around each call; the ones that delete
// or write act only when the run erases. A protected key (protected_places.h) is never deleted.
// True when the key is gone, and always when the run does not erase.
bool DeleteKey(Context& ctx, platform::RegHandle root, std::string_view subKey);
void DeleteValue(Context& ctx, platform::RegHandle root, std::string_view subKey,
                 std::string_view name);
void SetValue(Context& ctx, platform::RegHandle root, std::string_view subKey,
              std::string_view name, std::string_view value, std::uint32_t type);
// Writes a REG_SZ (with its terminating NUL, as Windows stores strings) or a REG_DWORD (the
// value's decimal text); other types write nothing.
platform::Status SetValueEx(platform::Registry& registry, platform::RegHandle key,
                            std::string_view name, std::uint32_t type, std::string_view value);
// Creates a key whatever the run's mode.
platform::Status CreateKey(Context& ctx, platform::RegHandle root, std::string_view subKey);

// The value as text: a string without its terminating NUL, a REG_DWORD as its decimal text;
// kReadFailed for a missing key or value, another type, or data of no characters at all.
std::string QueryValue(Context& ctx, platform::RegHandle root, std::string_view subKey,
                       std::string_view name);
// A REG_SZ or REG_EXPAND_SZ value's text as stored (variables left as they are); nothing when it
// is missing or of another type.
std::optional<std::string> QueryStringValue(Context& ctx, platform::RegHandle root,
                                            std::string_view subKey, std::string_view name);
// The value names, each followed by ","; kReadFailed when the key cannot be opened.
std::string EnumValues(Context& ctx, platform::RegHandle root, std::string_view subKey);
// The subkey names joined by ","; kReadFailed when there is none or the key cannot be opened.
std::string EnumKeys(Context& ctx, platform::RegHandle root, std::string_view subKey);

// Erases every value of a key, reporting each with its data ("the remembered entry").
void ClearKeyValues(Context& ctx, platform::RegHandle root, std::string_view subKey);
// Erases the values whose names contain `filter` in any letter case ("all": every value).
void DeleteMatchingValues(Context& ctx, platform::RegHandle root, std::string_view subKey,
                          std::string_view filter);
// Erases the direct subkeys whose names contain `filter` (letter case significant), counting
// and reporting each that went.
void DeleteMatchingSubkeys(Context& ctx, platform::RegHandle root, std::string_view subKey,
                           std::string_view filter);

}  // namespace quellorn
