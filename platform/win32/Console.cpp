#include "platform/Console.h"

#include <windows.h>

namespace platform {

bool WriteStandard(StandardStream stream, const std::string& utf8) {
  const HANDLE h = ::GetStdHandle(stream == StandardStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
  if (h == INVALID_HANDLE_VALUE || h == nullptr) return false;
  if (utf8.empty()) return true;
  DWORD modus = 0;
  if (::GetConsoleMode(h, &modus)) {
    const int laenge = static_cast<int>(utf8.size());
    const int breit = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), laenge, nullptr, 0);
    if (breit <= 0) return false;
    std::wstring text(static_cast<std::size_t>(breit), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), laenge, text.data(), breit);
    DWORD geschrieben = 0;
    return ::WriteConsoleW(h, text.data(), static_cast<DWORD>(text.size()), &geschrieben, nullptr) &&
           geschrieben == text.size();
  }
  std::size_t geschrieben = 0;
  while (geschrieben < utf8.size()) {
    DWORD n = 0;
    if (!::WriteFile(h, utf8.data() + geschrieben, static_cast<DWORD>(utf8.size() - geschrieben), &n, nullptr) ||
        n == 0) {
      return false;
    }
    geschrieben += n;
  }
  return true;
}

}  // namespace platform
