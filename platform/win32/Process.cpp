#include "platform/Process.h"

#include <windows.h>

namespace platform {

std::wstring ModuleFileName() {
  wchar_t pfad[MAX_PATH + 1] = {};
  DWORD laenge = ::GetModuleFileNameW(nullptr, pfad, MAX_PATH);
  return std::wstring(pfad, laenge);
}

void EndProcess(unsigned code) { ::ExitProcess(code); }

bool DllsOnlyFromSystemFolder() {
  using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
  const auto setzen = reinterpret_cast<SetDefaultDllDirectoriesFn>(reinterpret_cast<void*>(
      ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories")));
  if (setzen != nullptr && setzen(LOAD_LIBRARY_SEARCH_SYSTEM32)) return true;
  return ::SetDllDirectoryA("") != FALSE;
}

}  // namespace platform
