#pragma once

namespace quellorn {

// What a run may do: kErase changes the system, kTest only counts and reports what an erase
// would take, kNone is a run the user cancelled at the confirmation.
enum class EraseMode { kNone, kTest, kErase };

}  // namespace quellorn
