#include "platform/portable/dos_attributes.h"

#include <sys/xattr.h>

#include <cerrno>
#include <cstdio>
#include <string_view>

#include "platform/file_system.h"
#include "platform/portable/host_errors.h"

namespace quellorn::platform {
namespace {

constexpr const char* kXattrName = "user.DOSATTRIB";
constexpr std::uint32_t kXattrBits = attr::kHidden | attr::kSystem;
constexpr mode_t kWriteBits = S_IWUSR | S_IWGRP | S_IWOTH;

// Hidden and system from the extended attribute, following links; text Wine would not read
// ("0x" and hex digits) counts as neither.
std::uint32_t XattrBits(const std::filesystem::path& path) {
  char text[32];
  ssize_t size = ::getxattr(path.c_str(), kXattrName, text, sizeof text - 1);
  if (size < 3) return 0;
  std::string_view value(text, static_cast<std::size_t>(size));
  if (!value.starts_with("0x")) return 0;
  std::uint32_t bits = 0;
  for (char c : value.substr(2)) {
    int digit = c >= '0' && c <= '9'   ? c - '0'
                : c >= 'a' && c <= 'f' ? c - 'a' + 10
                : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                       : -1;
    if (digit < 0) return 0;
    bits = bits << 4 | static_cast<std::uint32_t>(digit);
  }
  return bits & kXattrBits;
}

Status WriteXattr(const std::filesystem::path& path, std::uint32_t bits) {
  if (bits == 0) {
    bool gone = ::removexattr(path.c_str(), kXattrName) == 0 || errno == ENODATA;
    return gone ? kSuccess : StatusFromErrno(errno);
  }
  char text[16];
  int size = std::snprintf(text, sizeof text, "0x%x", bits);
  if (::setxattr(path.c_str(), kXattrName, text, static_cast<std::size_t>(size), 0) != 0) {
    return StatusFromErrno(errno);
  }
  return kSuccess;
}

}  // namespace

std::uint32_t ModeAttributes(const struct stat& info) {
  std::uint32_t bits = S_ISDIR(info.st_mode) ? attr::kDirectory : attr::kArchive;
  if ((info.st_mode & kWriteBits) == 0) bits |= attr::kReadOnly;
  return bits;
}

std::uint32_t DosAttributes(const std::filesystem::path& path, const struct stat& info) {
  if (!S_ISLNK(info.st_mode)) return ModeAttributes(info) | XattrBits(path);
  struct stat target;
  if (::stat(path.c_str(), &target) != 0) return attr::kReparsePoint | attr::kArchive;
  return attr::kReparsePoint | ModeAttributes(target) | XattrBits(path);
}

Status SetDosAttributes(const std::filesystem::path& path, std::uint32_t attributes) {
  struct stat info;
  if (::lstat(path.c_str(), &info) != 0) return StatusFromErrno(errno);
  if (S_ISLNK(info.st_mode)) return kAccessDenied;  // a link has no attributes of its own here
  mode_t mode = info.st_mode & 07777;
  if (!S_ISDIR(info.st_mode)) {
    // Clearing read-only gives the owner read and write, as Wine does under the usual umask.
    mode = (attributes & attr::kReadOnly) ? mode & ~kWriteBits : mode | S_IRUSR | S_IWUSR;
  }
  // The extended attribute needs write access for anyone but root: write it while the file
  // is writable.
  bool becomesReadOnly = (mode & kWriteBits) == 0;
  if (becomesReadOnly) {
    if (Status status = WriteXattr(path, attributes & kXattrBits); status != kSuccess) {
      return status;
    }
  }
  if (mode != (info.st_mode & 07777) && ::chmod(path.c_str(), mode) != 0) {
    return StatusFromErrno(errno);
  }
  return becomesReadOnly ? kSuccess : WriteXattr(path, attributes & kXattrBits);
}

}  // namespace quellorn::platform
