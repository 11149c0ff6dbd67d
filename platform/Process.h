// The running process.
#pragma once
#include <string>

namespace platform {

// GetModuleFileNameW of the executable: its full path.
std::wstring ModuleFileName();

// DLLs loaded by name come from the system folder only: SetDefaultDllDirectories with
// LOAD_LIBRARY_SEARCH_SYSTEM32 where the system has it (looked up at run time), else at least
// SetDllDirectoryA("") to take the current folder out of the search. False when neither took.
bool DllsOnlyFromSystemFolder();

// ExitProcess.
[[noreturn]] void EndProcess(unsigned code);

}  // namespace platform
