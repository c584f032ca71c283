#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/platform.h"

namespace quellorn::app {

// The back end an entry point works on: the portable one on `machineFolder`, or the real system
// of the platform the program runs on when none is given. Each build supports only one of the
// two; asked for the other it answers nullptr and says why in `error`.
std::unique_ptr<platform::BackEnd> OpenBackEnd(const std::optional<std::string>& machineFolder,
                                               std::string& error);

}  // namespace quellorn::app
