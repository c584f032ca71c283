#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quellorn::testing {

// The bytes of a file under tests/fixtures ("registry/xp_user_joe.v5.reg"), built into the
// test program so that it needs no path to the source tree.
std::optional<std::string> FindFixture(std::string_view name);

// The same, failing the current test when there is no such fixture.
std::string Fixture(std::string_view name);

}  // namespace quellorn::testing
