#pragma once

#include "platform/platform.h"
#include "platform/win32/desktop_win32.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/shell_win32.h"
#include "platform/win32/system_info_win32.h"

namespace quellorn::platform {

// The real system the program runs on, through the wide-character Win32 API.
class Win32Platform final : public BackEnd {
 public:
  Win32Platform() = default;
  Win32Platform(const Win32Platform&) = delete;
  Win32Platform& operator=(const Win32Platform&) = delete;

  Platform& platform() override { return platform_; }

 private:
  Win32Registry registry_;
  Win32FileSystem files_;
  Win32Shell shell_;
  Win32SystemInfo system_;
  Win32Desktop desktop_;
  Platform platform_{registry_, files_, shell_, system_, desktop_};
};

}  // namespace quellorn::platform
