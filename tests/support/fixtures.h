#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quellorn::testing {

// The bytes of a file under tests/fixtures ("registry/xp_user_joe.v5.reg"), built into the
// test program so that it needs no path to the source tree.
std::optional<std::string> FindFixture(std::string_view name);

// The names of the fixtures that begin with `prefix` ("dist/plugins/"), in name order.
std::vector<std::string> FixtureNames(std::string_view prefix);

// The same, failing the current test when there is no such fixture.
std::string Fixture(std::string_view name);

}  // namespace quellorn::testing
