#include "platform/Locale.h"

#include <windows.h>

#include <string>

namespace platform {

namespace {

// The texts here are code page 1252 on every Windows: they go to the system as UTF-16 of 1252,
// never through the ANSI code page, which is another one on many systems.
constexpr UINT kCp1252 = 1252;

void ChangeCase(char* text, std::uint32_t length, DWORD (WINAPI* change)(LPWSTR, DWORD)) {
  for (std::uint32_t i = 0; i < length; ++i) {
    wchar_t c = 0;
    ::MultiByteToWideChar(kCp1252, 0, text + i, 1, &c, 1);
    change(&c, 1);
    char back = text[i];
    BOOL lost = FALSE;
    // A character whose other case 1252 lacks ("µ", "ÿ" upper-cased elsewhere) keeps its byte.
    if (::WideCharToMultiByte(kCp1252, WC_NO_BEST_FIT_CHARS, &c, 1, &back, 1, nullptr, &lost) == 1 && !lost) {
      text[i] = back;
    }
  }
}

std::wstring Wide(const char* text, std::int32_t length) {
  const int n = ::MultiByteToWideChar(kCp1252, 0, text, length, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  ::MultiByteToWideChar(kCp1252, 0, text, length, wide.data(), n);
  return wide;
}

}  // namespace

void LowerCaseInPlace(char* text, std::uint32_t length) { ChangeCase(text, length, &::CharLowerBuffW); }

void UpperCaseInPlace(char* text, std::uint32_t length) { ChangeCase(text, length, &::CharUpperBuffW); }

bool CharacterType(char character, std::uint16_t& type) {
  wchar_t c = 0;
  ::MultiByteToWideChar(kCp1252, 0, &character, 1, &c, 1);
  WORD typ = 0;
  const BOOL ok = ::GetStringTypeExW(LOCALE_USER_DEFAULT, CT_CTYPE1, &c, 1, &typ);
  type = ok ? typ : 0;
  return ok != FALSE;
}

int CompareIgnoringCase(const char* a, std::int32_t lengthA, const char* b, std::int32_t lengthB) {
  const std::wstring x = Wide(a, lengthA);
  const std::wstring y = Wide(b, lengthB);
  return ::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, x.c_str(), static_cast<int>(x.size()), y.c_str(),
                          static_cast<int>(y.size()));
}

}  // namespace platform
