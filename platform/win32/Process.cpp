#include "platform/Process.h"

#include <windows.h>

namespace platform {

std::string ModuleFileName() {
  char pfad[MAX_PATH + 1] = {};
  DWORD laenge = ::GetModuleFileNameA(nullptr, pfad, MAX_PATH);
  return std::string(pfad, laenge);
}

}  // namespace platform
