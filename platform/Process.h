// The running process.
#pragma once
#include <string>

namespace platform {

// GetModuleFileNameW of the executable: its full path, however long; empty when the system gives
// none (never a path cut short).
std::wstring ModuleFileName();

// DLLs loaded by name come from the system folder only: SetDefaultDllDirectories with
// LOAD_LIBRARY_SEARCH_SYSTEM32 where the system has it (looked up at run time), else
// LoadLaterDllsFromSystemFolder and SetDllDirectoryA("") to take the current folder out of the
// search. False when neither took.
bool DllsOnlyFromSystemFolder();

// LoadLibraryA by full path in the system folder of the DLLs that the system loads by name later
// on, so that such a load finds them loaded and never searches the program's folder.
void LoadLaterDllsFromSystemFolder();

}  // namespace platform
