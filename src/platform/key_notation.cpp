#include "platform/key_notation.h"

#include "platform/text_encoding.h"

namespace quellorn::platform {
namespace {

using Kind = KeyStroke::Kind;

bool SameLetters(std::u16string_view text, std::u16string_view upper) {
  if (text.size() != upper.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i] >= u'a' && text[i] <= u'z' ? text[i] - (u'a' - u'A') : text[i];
    if (c != upper[i]) return false;
  }
  return true;
}

std::optional<KeyStroke> NamedKey(std::u16string_view name) {
  if (SameLetters(name, u"ENTER")) return KeyStroke{Kind::kEnter, 0};
  if (SameLetters(name, u"TAB")) return KeyStroke{Kind::kTab, 0};
  return std::nullopt;
}

}  // namespace

std::optional<std::vector<KeyStroke>> ParseKeys(std::string_view keys) {
  if (!IsValidUtf8(keys)) return std::nullopt;
  const std::u16string text = Utf8ToUtf16(keys);
  std::vector<KeyStroke> strokes;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'%' && i + 1 < text.size()) {
      strokes.push_back({Kind::kAltCharacter, text[++i]});
      continue;
    }
    const std::size_t close = text[i] == u'{' ? text.find(u'}', i) : std::u16string::npos;
    if (close == std::u16string::npos) return std::nullopt;
    const auto stroke = NamedKey(std::u16string_view(text).substr(i + 1, close - i - 1));
    if (!stroke) return std::nullopt;
    strokes.push_back(*stroke);
    i = close;
  }
  return strokes;
}

}  // namespace quellorn::platform
