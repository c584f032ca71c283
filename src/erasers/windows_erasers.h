#pragma once

namespace quellorn {

struct Context;

// Erasers of the traces Windows itself keeps for the user. Each locates its folders and keys
// and hands them to the file and registry primitives, which obey the erase mode, count and
// report.

// Every file below the Start Menu's recent documents folder; the folders stay.
void EraseRecentDocuments(Context& ctx);
// The search history of the Find Files and Computers window.
void EraseFindHistory(Context& ctx);
// The commands typed into the Start Menu's Run box.
void EraseRunHistory(Context& ctx);
// The user's Temp folder and the Windows folder's temp folder.
void EraseWindowsTemp(Context& ctx);
// The files the Open and Save dialogs remember, per file type (also the folders they visited).
void EraseOpenSaveHistory(Context& ctx);
// The folders the Open and Save dialogs visited last.
void EraseLastVisited(Context& ctx);
// Empties the Recycle Bin of every drive, without asking and without a sound.
void EmptyRecycleBin(Context& ctx);

}  // namespace quellorn
