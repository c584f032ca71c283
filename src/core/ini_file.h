#pragma once

#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace quellorn {

// What GetSetting answers for a key that is not there.
inline constexpr std::string_view kUnknownValue = "unknown value";

// One INI file, read and written with the observable behaviour of the Windows profile
// functions (see IniDocument). Every call is self-contained: the file is read or rewritten
// and closed again, so other instances may work on it at any time.
class clsIniFile {
 public:
  clsIniFile(platform::FileSystem& files, std::string path)
      : files_(&files), path_(std::move(path)) {}

  const std::string& path() const { return path_; }

  // The value (quotes around it removed, cut to 254 characters as the profile functions'
  // 255-character buffer does), "" for an empty value, kUnknownValue for a missing key.
  std::string GetSetting(std::string_view section, std::string_view key) const;
  // Creates the file, section or key as needed; nonzero on success.
  int SaveSetting(std::string_view section, std::string_view key, std::string_view value);
  // Removes the whole section.
  void EraseSection(std::string_view section);

 private:
  platform::FileSystem* files_;
  std::string path_;
};

}  // namespace quellorn
