#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "platform/file_system.h"
#include "platform/registry.h"

namespace quellorn::testing {

// What every TestMachine does the same way on any back end. Failures fail the current test.

// Creates the folder and any missing folders above it, telling `created` each one it made.
void MakeMachineFolder(platform::FileSystem& files, std::string_view path,
                       const std::function<void(std::string_view)>& created = {});
// Writes a whole file, creating its folder as needed.
void WriteMachineFile(platform::FileSystem& files, std::string_view path, std::string_view content);
std::string ReadMachineFile(platform::FileSystem& files, std::string_view path);
// A folder's entries by name, with their attributes and sizes; failing the test when the folder
// cannot be listed.
using FolderListing = std::map<std::string, std::pair<std::uint32_t, std::uint64_t>>;
FolderListing ListMachineFolder(platform::FileSystem& files, std::string_view folder);

// The text with each backslash doubled, as a quoted .reg string holds it.
std::string EscapeBackslashes(std::string_view text);
// The .reg text with "$ROOT" standing for `root`, written so that it stays a valid path inside
// a quoted string (each backslash doubled; in a key line the doubled ones read as one).
std::string ExpandRoot(std::string_view regText, std::string_view root);
// Parses and applies the text, failing the test on every skipped or refused line.
void LoadMachineReg(platform::Registry& registry, std::string_view regText, std::string_view root);

}  // namespace quellorn::testing
