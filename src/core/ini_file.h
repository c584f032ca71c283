#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace quellorn {

class IniDocument;

// What GetSetting answers for a key that is not there.
inline constexpr std::string_view kUnknownValue = "unknown value";

// One INI file, read and written with the observable behaviour of the Windows profile
// functions (see IniDocument). Every call is self-contained: the file is read or rewritten
// and closed again, so other instances may work on it at any time. A file that starts with
// the UTF-16LE byte order mark is read as UTF-16 and stays UTF-16 when rewritten, as with the
// profile functions; any other is written as UTF-8. A rewrite replaces the file in one step,
// so that a failed one leaves it as it was.
class clsIniFile {
 public:
  clsIniFile(platform::FileSystem& files, std::string path)
      : files_(&files), path_(std::move(path)) {}

  const std::string& path() const { return path_; }

  // An instance on the same file that reads it now, once, and answers every GetSetting from
  // that reading: for callers that look up many keys in one go (a plugin item's run, the
  // settings at start-up), which would otherwise read the whole file for each key. Its own
  // saves are seen by its later reads; other changes to the file are not.
  clsIniFile Snapshot() const;
  // The same, but nothing when the file exists and cannot be read (a snapshot above reads as
  // empty then).
  std::optional<clsIniFile> ReadableSnapshot() const;

  // The value (quotes around it removed, cut to 254 characters as the profile functions'
  // 255-character buffer does), "" for an empty value, kUnknownValue for a missing key.
  std::string GetSetting(std::string_view section, std::string_view key) const;
  // Creates the file, section or key as needed; nonzero on success, 0 when the file could not
  // be read or rewritten (it then keeps its content).
  int SaveSetting(std::string_view section, std::string_view key, std::string_view value);
  // Removes the whole section; nonzero on success or when there is no such section.
  int EraseSection(std::string_view section);

 private:
  platform::FileSystem* files_;
  std::string path_;
  std::shared_ptr<const IniDocument> snapshot_;  // set on a snapshot: the file as last read
};

}  // namespace quellorn
