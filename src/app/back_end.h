#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/platform.h"

namespace quellorn::app {

// The back end an entry point runs on: the machine folder given with --machine, or the real
// system, opened with `access`. Each build links the one implementation its platform supports; on
// failure (a machine folder where none can be used, or none where one is needed) it answers nullptr
// and says why in `error`.
std::unique_ptr<platform::BackEnd> OpenBackEnd(const std::optional<std::string>& machineFolder,
                                               platform::Access access, std::string& error);

}  // namespace quellorn::app
