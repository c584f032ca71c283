#pragma once

#include <array>
#include <string_view>

#include "ui/skin_layout.h"
#include "ui/win32/win32_ui.h"

namespace quellorn::ui::win32 {

// The fonts every window uses: Tahoma at 8 points for text, bold for titles, underlined for
// links, and two larger faces for the About window's name and maker.
struct UiFonts {
  UniqueFont text;
  UniqueFont bold;
  UniqueFont link;
  UniqueFont heading;
  UniqueFont maker;
};

// The artwork of the program's resources: the frame's images, the task icons and the program
// icon, loaded once and shared by every window.
class SkinArt {
 public:
  explicit SkinArt(HINSTANCE instance);

  // The frame image of a piece (the title text has none).
  HBITMAP Image(SkinPart part) const;
  HICON programIcon() const { return programIcon_.get(); }
  HICON programIconSmall() const { return programIconSmall_.get(); }
  const UiFonts& fonts() const { return fonts_; }
  HBRUSH background() const { return background_.get(); }

  // A new image list of the task icons; Index gives a key's place in it.
  HIMAGELIST MakeTaskImages() const;
  static int Index(std::string_view key);

 private:
  HINSTANCE instance_;
  std::array<UniqueBitmap, kSkinPartCount> images_;
  UniqueIcon programIcon_;
  UniqueIcon programIconSmall_;
  UiFonts fonts_;
  UniqueBrush background_;
};

}  // namespace quellorn::ui::win32
