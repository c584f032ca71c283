#include "platform/key_notation.h"

#include <gtest/gtest.h>

namespace quellorn::platform {
namespace {

using Kind = KeyStroke::Kind;
using Strokes = std::vector<KeyStroke>;

TEST(KeyNotationTest, ParsesAltCharactersAndNamedKeys) {
  const struct {
    const char* keys;
    Strokes strokes;
  } cases[] = {
      {"", {}},
      {"%U", {{Kind::kAltCharacter, u'U'}}},
      {"%C{ENTER}", {{Kind::kAltCharacter, u'C'}, {Kind::kEnter, 0}}},
      {"{enter}{Tab}{TAB}", {{Kind::kEnter, 0}, {Kind::kTab, 0}, {Kind::kTab, 0}}},
      {"%%%{", {{Kind::kAltCharacter, u'%'}, {Kind::kAltCharacter, u'{'}}},
      {"%\xc3\xa9", {{Kind::kAltCharacter, u'\u00e9'}}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ParseKeys(c.keys), c.strokes) << c.keys;
}

TEST(KeyNotationTest, RefusesWhatItCannotDeliverSafely) {
  for (const char* keys :
       {"a", "%Ca", "%", "{", "}", "{}", "{ENTER", "{F1}", "{ENTER}}", "%\xff", "\xc3\xa9"}) {
    EXPECT_FALSE(ParseKeys(keys).has_value()) << keys;
  }
}

}  // namespace
}  // namespace quellorn::platform
