#include "platform/Process.h"

#include <cstddef>
#include <cstring>

#include "platform/win32/Internal.h"

namespace platform {

std::wstring ModuleFileName() {
  // Room for the longest path the system has; a path that fills the buffer may be cut short (the
  // system then answers the buffer's size) and is not used.
  constexpr DWORD kLaengster = 32768;
  wchar_t pfad[kLaengster];
  const DWORD laenge = ::GetModuleFileNameW(nullptr, pfad, kLaengster);
  return laenge < kLaengster ? std::wstring(pfad, laenge) : std::wstring();
}

bool DllsOnlyFromSystemFolder() {
  using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
  const auto setzen = reinterpret_cast<SetDefaultDllDirectoriesFn>(reinterpret_cast<void*>(
      ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories")));
  if (setzen != nullptr && setzen(LOAD_LIBRARY_SEARCH_SYSTEM32)) return true;
  LoadLaterDllsFromSystemFolder();
  return ::SetDllDirectoryA("") != FALSE;
}

void LoadLaterDllsFromSystemFolder() {
  // Loaded by name after start: the theme engine (uxtheme, and dwmapi, which it loads on Vista and
  // later), the shell (version; propsys for the folder chooser from Vista on) and the COM library
  // (clbcatq for the shell link object; cryptbase, which advapi32 loads on Windows 7).
  for (const char* name : {"uxtheme.dll", "dwmapi.dll", "version.dll", "propsys.dll", "clbcatq.dll", "cryptbase.dll"}) {
    LoadSystemLibrary(name);
  }
}

HMODULE LoadSystemLibrary(const char* name) {
  char pfad[MAX_PATH + 16];
  const std::size_t laenge = std::strlen(name) + 1;
  const UINT ordner = ::GetSystemDirectoryA(pfad, MAX_PATH);
  if (ordner == 0 || ordner >= MAX_PATH || laenge > 15) return nullptr;
  pfad[ordner] = '\\';
  std::memcpy(pfad + ordner + 1, name, laenge);
  return ::LoadLibraryA(pfad);
}

// Static imports, and theirs, from the system folder only: Windows 10 1607 and later take these
// dependent-load flags from the load configuration, which the build names in the header
// (cmake/load_config.py). It ends before the safe-exception-handler fields: Windows XP wants the
// load configuration of a 32-bit image to be 64 bytes.
constexpr IMAGE_LOAD_CONFIG_DIRECTORY LadeKonfiguration() {
  IMAGE_LOAD_CONFIG_DIRECTORY konfiguration{};
  konfiguration.Size = offsetof(IMAGE_LOAD_CONFIG_DIRECTORY, SEHandlerTable);
  konfiguration.Reserved1 = LOAD_LIBRARY_SEARCH_SYSTEM32;  // DependentLoadFlags in newer headers
  return konfiguration;
}

}  // namespace platform

extern "C" constinit const IMAGE_LOAD_CONFIG_DIRECTORY _load_config_used = platform::LadeKonfiguration();
