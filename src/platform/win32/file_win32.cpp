#include "platform/win32/file_win32.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace quellorn::platform::win32 {

namespace {

// ReadFile and WriteFile take 32-bit counts; larger requests go in pieces of this size.
constexpr std::size_t kChunk = std::size_t{1} << 30;

DWORD ChunkOf(std::size_t remaining) {
  return static_cast<DWORD>(std::min(remaining, kChunk));
}

}  // namespace

Status Win32File::Read(void* buffer, std::size_t size, std::size_t& done) {
  done = 0;
  auto* bytes = static_cast<std::uint8_t*>(buffer);
  while (done < size) {
    DWORD got = 0;
    if (!ReadFile(handle_.get(), bytes + done, ChunkOf(size - done), &got, nullptr))
      return LastStatus();
    if (got == 0) break;  // end of file
    done += got;
  }
  return kSuccess;
}

Status Win32File::Write(const void* data, std::size_t size) {
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  std::size_t written = 0;
  while (written < size) {
    DWORD put = 0;
    if (!WriteFile(handle_.get(), bytes + written, ChunkOf(size - written), &put, nullptr))
      return LastStatus();
    if (put == 0) return kDiskFull;
    written += put;
  }
  return kSuccess;
}

Status Win32File::Seek(std::uint64_t offset) {
  if (offset > static_cast<std::uint64_t>(std::numeric_limits<LONGLONG>::max()))
    return kInvalidParameter;
  LARGE_INTEGER position;
  position.QuadPart = static_cast<LONGLONG>(offset);
  return StatusOf(SetFilePointerEx(handle_.get(), position, nullptr, FILE_BEGIN));
}

Status Win32File::Size(std::uint64_t& size) {
  LARGE_INTEGER length;
  if (!GetFileSizeEx(handle_.get(), &length)) return LastStatus();
  size = static_cast<std::uint64_t>(length.QuadPart);
  return kSuccess;
}

Status Win32File::SetEnd() {
  return StatusOf(SetEndOfFile(handle_.get()));
}

Status Win32File::Flush() {
  return StatusOf(FlushFileBuffers(handle_.get()));
}

}  // namespace quellorn::platform::win32
