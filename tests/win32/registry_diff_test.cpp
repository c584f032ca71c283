// Runs one scripted sequence of registry calls on the portable registry and on the real one
// (Wine's), and requires the same results and status codes from both.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/portable/registry_portable.h"
#include "support/reg_values.h"
#include "support/test_machine.h"

namespace quellorn {
namespace {

using namespace platform;

using testing::Dword;
using testing::Sz;

// Records every call and its answer as one line of text.
class Transcript {
 public:
  explicit Transcript(Registry& registry) : registry_(registry) {}

  RegHandle Open(RegHandle parent, const std::string& subKey) {
    RegHandle key = 0;
    Note("open " + subKey, registry_.OpenKey(parent, subKey, key));
    return key;
  }
  RegHandle Create(RegHandle parent, const std::string& subKey) {
    RegHandle key = 0;
    Note("create " + subKey, registry_.CreateKey(parent, subKey, key));
    return key;
  }
  void Close(RegHandle key) { registry_.CloseKey(key); }
  void Set(RegHandle key, const std::string& name, const RegValue& value) {
    Note("set " + name, registry_.SetValue(key, name, value));
  }
  void Query(RegHandle key, const std::string& name) {
    RegValue value;
    const Status status = registry_.QueryValue(key, name, value);
    std::string line = "query " + name;
    if (status == kSuccess) {
      line += " type " + std::to_string(value.type) + " bytes";
      for (std::uint8_t byte : value.data)
        line += " " + std::to_string(byte);
    }
    Note(line, status);
  }
  void EnumValues(RegHandle key) { Enumerate("values", key, &Registry::EnumValue); }
  void EnumKeys(RegHandle key) { Enumerate("keys", key, &Registry::EnumKey); }
  void DeleteValue(RegHandle key, const std::string& name) {
    Note("delete value " + name, registry_.DeleteValue(key, name));
  }
  void DeleteKey(RegHandle parent, const std::string& subKey) {
    Note("delete key " + subKey, registry_.DeleteKey(parent, subKey));
  }

  const std::vector<std::string>& lines() const { return lines_; }

 private:
  void Note(const std::string& what, Status status) {
    lines_.push_back(what + " -> " + std::to_string(status));
  }
  void Enumerate(const std::string& what, RegHandle key,
                 Status (Registry::*next)(RegHandle, std::uint32_t, std::string&)) {
    std::string line = "enumerate " + what + ":";
    std::string name;
    Status status = kSuccess;
    for (std::uint32_t i = 0; (status = (registry_.*next)(key, i, name)) == kSuccess; ++i) {
      line += " " + name;
    }
    Note(line, status);
  }

  Registry& registry_;
  std::vector<std::string> lines_;
};

std::vector<std::string> RunScript(Registry& registry, const std::string& base) {
  Transcript t(registry);
  const RegHandle root = t.Create(kCurrentUser, base);
  const RegHandle mru = t.Create(root, "Explorer\\RunMRU");
  t.Set(mru, "b", Sz(u"regedit\\1"));
  t.Set(mru, "a", Sz(u"cmd\\1"));
  t.Set(mru, "MRUList", Sz(u"ab"));
  t.Set(mru, "Count", Dword(12345));
  t.Set(mru, "", Sz(u"default"));
  t.Set(mru, "A", Sz(u"notepad\\1"));
  t.Query(mru, "a");
  t.Query(mru, "COUNT");
  t.Query(mru, "");
  t.Query(mru, "missing");
  t.EnumValues(mru);
  t.DeleteValue(mru, "b");
  t.DeleteValue(mru, "b");
  t.EnumValues(mru);
  t.Close(t.Create(root, "Explorer\\RunMRU\\Child"));
  t.Close(t.Create(root, "explorer\\zeta"));
  t.Close(t.Create(root, "Explorer\\Alpha"));
  const RegHandle explorer = t.Open(root, "EXPLORER");
  t.EnumKeys(explorer);
  t.DeleteKey(explorer, "RunMRU");  // has a subkey
  t.DeleteKey(explorer, "RunMRU\\Child");
  t.Query(mru, "a");
  t.DeleteKey(explorer, "RunMRU");
  t.Query(mru, "a");  // the handle now names a deleted key
  t.Set(mru, "c", Sz(u"late"));
  t.EnumValues(mru);
  t.Open(explorer, "RunMRU");
  t.Open(root, "Missing\\Key");
  t.DeleteKey(root, "Missing");
  t.EnumKeys(explorer);
  t.Close(mru);
  t.DeleteKey(explorer, "zeta");
  t.DeleteKey(explorer, "Alpha");
  t.Close(explorer);
  t.DeleteKey(root, "Explorer");
  t.EnumKeys(root);
  t.Close(root);
  t.DeleteKey(kCurrentUser, base);
  return t.lines();
}

TEST(RegistryDiff, PortableRegistryAnswersAsTheRealOne) {
  const std::string base = "Software\\QuellornTest-Diff";
  testing::TestMachine machine;  // the real registry, put back as it was when the test ends
  PortableRegistry portable;
  EXPECT_EQ(RunScript(portable, base), RunScript(machine.platform().registry, base));
}

}  // namespace
}  // namespace quellorn
