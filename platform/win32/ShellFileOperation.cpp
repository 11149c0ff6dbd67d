#include "platform/ShellFileOperation.h"

#include <windows.h>

#include <shellapi.h>

namespace platform {

int ShellFileOperation(std::uint32_t operation, const std::string& source, const std::string& target,
                       std::uint16_t flags) {
  // Each list holds one path; the shell reads up to the second NUL.
  const std::string quellen = source + '\0' + '\0';
  const std::string ziele = target + '\0' + '\0';
  SHFILEOPSTRUCTA auftrag{};
  auftrag.hwnd = nullptr;
  auftrag.wFunc = operation;
  auftrag.pFrom = quellen.c_str();
  auftrag.pTo = target.empty() ? nullptr : ziele.c_str();
  auftrag.fFlags = flags;
  return ::SHFileOperationA(&auftrag);
}

}  // namespace platform
