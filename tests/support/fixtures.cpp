#include "support/fixtures.h"

#include <gtest/gtest.h>

namespace quellorn::testing {

std::string Fixture(std::string_view name) {
  std::optional<std::string> bytes = FindFixture(name);
  if (!bytes) ADD_FAILURE() << "no fixture " << name;
  return bytes.value_or(std::string());
}

}  // namespace quellorn::testing
