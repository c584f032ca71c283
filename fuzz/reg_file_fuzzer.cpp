// The .reg reader on any bytes, and the registry it fills. What a file loads into a registry
// must survive export: written out and read back it gives the same keys and values, with no
// malformed line, and loads into an empty registry as the same tree. Loading the same file a
// second time changes nothing more.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_machine.h"
#include "platform/portable/registry_portable.h"
#include "platform/reg_file.h"

namespace {

using quellorn::fuzz::Require;
using namespace quellorn::platform;

// The keys without the line numbers they were read from.
std::vector<RegFileKey> WithoutLines(std::vector<RegFileKey> keys) {
  for (RegFileKey& key : keys) {
    key.line = 0;
    for (RegFileValue& value : key.values)
      value.line = 0;
  }
  return keys;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const RegFile parsed = ParseRegFile(bytes);
  for (const RegFileIssue& issue : parsed.errors)
    Require(issue.line >= 1 && !issue.reason.empty(), "an issue names no line or reason");
  if (parsed.format == RegFileFormat::kUnknown) {
    Require(parsed.keys.empty(), "keys read from a text that is no .reg file");
    return 0;
  }

  PortableRegistry loaded;
  ApplyRegFile(loaded, parsed);
  const RegFile exported = loaded.Export();

  const RegFile reread = ParseRegFile(WriteRegFile(exported));
  Require(reread.format == RegFileFormat::kVersion5, "the written file is not read as version 5");
  Require(reread.errors.empty(), "the written file has malformed lines");
  Require(WithoutLines(reread.keys) == WithoutLines(exported.keys),
          "the written file reads back as other keys");

  PortableRegistry copy;
  Require(ApplyRegFile(copy, reread).empty(), "the written file does not load");
  Require(WithoutLines(copy.Export().keys) == WithoutLines(exported.keys),
          "the written file loads as another tree");

  ApplyRegFile(loaded, parsed);
  Require(WithoutLines(loaded.Export().keys) == WithoutLines(exported.keys),
          "loading the file again changed the registry");
  return 0;
}
