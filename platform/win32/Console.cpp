#include "platform/Console.h"

#include <windows.h>

namespace platform {

namespace {

// A console takes wide text; it gets it in pieces of this many bytes, each cut where a character
// ends, which its own buffer holds.
constexpr int kStueck = 1024;

bool Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

bool WriteStandard(StandardStream stream, std::string_view utf8) {
  const HANDLE h = ::GetStdHandle(stream == StandardStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
  if (h == INVALID_HANDLE_VALUE || h == nullptr) return false;
  DWORD modus = 0;
  const bool konsole = ::GetConsoleMode(h, &modus) != 0;
  while (!utf8.empty()) {
    DWORD n = 0;
    if (konsole) {
      std::size_t stueck = utf8.size() < kStueck ? utf8.size() : kStueck;
      for (int i = 0; i < 3 && stueck < utf8.size() && Continuation(utf8[stueck]); ++i) --stueck;
      wchar_t breit[kStueck];
      const int zeichen = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(stueck), breit, kStueck);
      if (zeichen <= 0 || !::WriteConsoleW(h, breit, static_cast<DWORD>(zeichen), &n, nullptr) ||
          n != static_cast<DWORD>(zeichen)) {
        return false;
      }
      n = static_cast<DWORD>(stueck);
    } else {
      const DWORD stueck = utf8.size() > 0x10000000 ? 0x10000000 : static_cast<DWORD>(utf8.size());
      if (!::WriteFile(h, utf8.data(), stueck, &n, nullptr) || n == 0) return false;
    }
    utf8.remove_prefix(n);
  }
  return true;
}

}  // namespace platform
