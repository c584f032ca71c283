#include "platform/reg_file_syntax.h"

#include "platform/text_encoding.h"

namespace quellorn::platform {

std::string_view RegRootName(RegHandle root) {
  switch (root) {
    case kClassesRoot:
      return "HKEY_CLASSES_ROOT";
    case kCurrentUser:
      return "HKEY_CURRENT_USER";
    case kLocalMachine:
      return "HKEY_LOCAL_MACHINE";
    case kUsers:
      return "HKEY_USERS";
    case kCurrentConfig:
      return "HKEY_CURRENT_CONFIG";
    case kDynData:
      return "HKEY_DYN_DATA";
    default:
      return {};
  }
}

namespace reg_syntax {

std::u16string_view Trim(std::u16string_view text) {
  while (!text.empty() && IsBlank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back()))
    text.remove_suffix(1);
  return text;
}

std::string NormalisePath(std::u16string_view path) {
  std::u16string joined;
  while (!path.empty()) {
    std::size_t slash = std::min(path.find(u'\\'), path.size());
    if (slash > 0) {
      if (!joined.empty()) joined += u'\\';
      joined += path.substr(0, slash);
    }
    path.remove_prefix(std::min(slash + 1, path.size()));
  }
  return Utf16ToUtf8(joined);
}

}  // namespace reg_syntax
}  // namespace quellorn::platform
