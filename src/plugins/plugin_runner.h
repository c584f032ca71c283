#pragma once

#include <cstdint>

namespace quellorn {

struct Context;
class clsIniFile;
class EditorTestList;

// Runs one item's actions, family by family in a fixed order whatever the order of the keys:
// DelRegValueList, DelRegValue, DelRegKeyList, DelRegKey, UpdateRegValue, DelFile, UpdateFile,
// then starts its Run program.
void RunPluginItem(Context& ctx, const clsIniFile& item);
// The same for an item already read into memory.
void RunItemActions(Context& ctx, const clsIniFile& snapshot);

// Runs an item as the custom item editors test it: what it would erase is listed in `list`,
// nothing changes, and the run's counters, progress list and log stay as they are. Answers the
// number of entries listed or checked.
std::int16_t RunEditorTest(Context& ctx, const clsIniFile& item, EditorTestList& list);

}  // namespace quellorn
