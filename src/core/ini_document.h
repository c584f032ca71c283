#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quellorn {

// The text of an INI file as the Windows profile functions see it: "[section]" lines and
// "key = value" lines, names compared without regard to letter case and blanks around them,
// the first of several equal sections or keys winning. Edits change only the lines they concern, so
// the rest of the file keeps its layout.
class IniDocument {
 public:
  explicit IniDocument(std::string_view text = {});

  // The value as stored, blanks around it removed; nothing when the section or key is
  // missing or the key line has no "=".
  std::optional<std::string> Find(std::string_view section, std::string_view key) const;
  // Sets a key, adding the section (at the end) and the key (after the section's last key)
  // as needed. An existing key keeps the letter case of its name.
  void Set(std::string_view section, std::string_view key, std::string_view value);
  // Removes the first section of that name with all its lines.
  void RemoveSection(std::string_view section);

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

  std::vector<Line> lines_;
};

}  // namespace quellorn
