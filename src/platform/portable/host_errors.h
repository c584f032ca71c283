#pragma once

#include "platform/status.h"

namespace quellorn::platform {

// The Win32 error code Windows gives for what the host reported as `error` (an errno value).
// A missing name is kFileNotFound here; callers that know a parent folder was missing say
// kPathNotFound themselves.
Status StatusFromErrno(int error);

}  // namespace quellorn::platform
