#include "platform/portable/host_errors.h"

#include <cerrno>

namespace quellorn::platform {

Status StatusFromErrno(int error) {
  switch (error) {
    case 0:
      return kSuccess;
    case ENOENT:
      return kFileNotFound;
    case ENOTDIR:
      return kPathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case ELOOP:
    case EISDIR:
      return kAccessDenied;
    case EBADF:
      return kInvalidHandle;
    case EXDEV:
      return kNotSameDevice;
    case EBUSY:
    case ETXTBSY:
      return kSharingViolation;
    case ENOTSUP:
      return kNotSupported;
    case EINVAL:
      return kInvalidParameter;
    case ENOSPC:
    case EDQUOT:
      return kDiskFull;
    case ENOTEMPTY:
      return kDirNotEmpty;
    case EEXIST:
      return kAlreadyExists;
    case ENAMETOOLONG:
      return kFilenameTooLong;
    default:
      return kGenFailure;
  }
}

}  // namespace quellorn::platform
