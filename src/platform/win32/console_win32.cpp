#include "platform/win32/console_win32.h"

#include <string>

#include "platform/win32/win32_base.h"

namespace quellorn::platform::win32 {

namespace {

class StdHandleBuffer final : public std::streambuf {
 public:
  explicit StdHandleBuffer(HANDLE handle) : handle_(handle) {
    DWORD mode = 0;
    console_ =
        handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) != 0;
  }
  ~StdHandleBuffer() override { sync(); }
  StdHandleBuffer(const StdHandleBuffer&) = delete;
  StdHandleBuffer& operator=(const StdHandleBuffer&) = delete;

 protected:
  int_type overflow(int_type c) override {
    if (!traits_type::eq_int_type(c, traits_type::eof())) pending_ += traits_type::to_char_type(c);
    return traits_type::not_eof(c);
  }
  std::streamsize xsputn(const char* text, std::streamsize count) override {
    pending_.append(text, static_cast<std::size_t>(count));
    return count;
  }
  int sync() override {
    if (pending_.empty()) return 0;
    const bool written = console_ ? WriteToConsole() : WriteBytes();
    pending_.clear();
    return written ? 0 : -1;
  }

 private:
  bool WriteToConsole() {
    std::wstring wide;
    if (!ToWide(pending_, wide)) return WriteBytes();
    DWORD done = 0;
    return WriteConsoleW(handle_, wide.data(), static_cast<DWORD>(wide.size()), &done, nullptr) !=
           0;
  }
  bool WriteBytes() {
    DWORD done = 0;
    return WriteFile(handle_, pending_.data(), static_cast<DWORD>(pending_.size()), &done,
                     nullptr) != 0;
  }

  HANDLE handle_;
  bool console_ = false;
  std::string pending_;
};

}  // namespace

std::unique_ptr<std::streambuf> MakeStdStreamBuffer(StdStream stream) {
  return std::make_unique<StdHandleBuffer>(
      GetStdHandle(stream == StdStream::kOutput ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE));
}

}  // namespace quellorn::platform::win32
