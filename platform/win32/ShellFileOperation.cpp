#include "platform/ShellFileOperation.h"

#include <windows.h>

#include <shellapi.h>

namespace platform {

int ShellFileOperation(std::uint32_t operation, const std::wstring& source, const std::wstring& target,
                       std::uint16_t flags) {
  // Each list holds one path; the shell reads up to the second NUL.
  const std::wstring quellen = source + L'\0' + L'\0';
  const std::wstring ziele = target + L'\0' + L'\0';
  SHFILEOPSTRUCTW auftrag{};
  auftrag.hwnd = nullptr;
  auftrag.wFunc = operation;
  auftrag.pFrom = quellen.c_str();
  auftrag.pTo = target.empty() ? nullptr : ziele.c_str();
  auftrag.fFlags = flags;
  return ::SHFileOperationW(&auftrag);
}

}  // namespace platform
