#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quellorn {

// The text of an INI file as the Windows profile functions see it: "[section]" lines and
// "key = value" lines, names compared without regard to letter case and blanks around them,
// the first of several equal sections or keys winning. Edits change only the lines they concern, so
// the rest of the file keeps its layout. The first lookup after a change indexes the lines, so
// that reading many keys of a large file costs one pass over it.
class IniDocument {
 public:
  explicit IniDocument(std::string_view text = {});

  // The value as stored, blanks around it removed; nothing when the section or key is
  // missing or the key's first line has no "=".
  std::optional<std::string> Find(std::string_view section, std::string_view key) const;
  // Sets a key, adding the section (at the end) and the key (after the section's last key)
  // as needed. An existing key keeps the letter case of its name.
  void Set(std::string_view section, std::string_view key, std::string_view value);
  // Removes the first section of that name with all its lines; false when there is none.
  bool RemoveSection(std::string_view section);

  // The whole file, lines ended by CR LF.
  std::string Text() const;

 private:
  struct Line {
    std::string text;
    bool isSection = false;
    std::string name;                  // section or key name
    std::optional<std::string> value;  // for key lines with "="
  };

  static Line ParseLine(std::string_view text);
  // The lines before the first header: a section without a name.
  static constexpr std::size_t kNoName = static_cast<std::size_t>(-2);

  // Index of the first header of that name, kNoName, or npos.
  std::size_t FindSection(std::string_view section) const;
  static std::size_t FirstLine(std::size_t header);
  std::size_t SectionEnd(std::size_t header) const;

  // Section name -> key name -> line of that key's first line, both names in folded case,
  // for the first section of each name only: later ones are never looked in.
  using Keys = std::unordered_map<std::string, std::size_t>;
  using Index = std::unordered_map<std::string, Keys>;
  const Index& index() const;

  std::vector<Line> lines_;
  mutable std::optional<Index> index_;  // built by the first lookup, dropped by every edit
};

}  // namespace quellorn
