#include "platform/Locale.h"

#include <windows.h>

#include <string>

#include "platform/Cp1252.h"

namespace platform {

// The texts here are code page 1252 on every Windows: they go to the system as UTF-16 of 1252, by
// table, never through the ANSI code page, which is another one on many systems.
namespace {

wchar_t Breit(char c) { return static_cast<wchar_t>(Cp1252Zeichen(c)); }

std::wstring Breit(const char* text, std::int32_t length) {
  std::wstring breit;
  for (std::int32_t i = 0; i < length; ++i) breit += Breit(text[i]);
  return breit;
}

void ChangeCase(char* text, std::uint32_t length, DWORD(WINAPI* change)(LPWSTR, DWORD)) {
  for (std::uint32_t i = 0; i < length; ++i) {
    wchar_t c = Breit(text[i]);
    change(&c, 1);
    // A character whose other case 1252 lacks (such as the capital of "µ") keeps its byte.
    Cp1252Von(c, text[i]);
  }
}

}  // namespace

void LowerCaseInPlace(char* text, std::uint32_t length) { ChangeCase(text, length, &::CharLowerBuffW); }

void UpperCaseInPlace(char* text, std::uint32_t length) { ChangeCase(text, length, &::CharUpperBuffW); }

bool CharacterType(char character, std::uint16_t& type) {
  const wchar_t c = Breit(character);
  WORD typ = 0;
  const BOOL ok = ::GetStringTypeExW(LOCALE_USER_DEFAULT, CT_CTYPE1, &c, 1, &typ);
  type = ok ? typ : 0;
  return ok != FALSE;
}

int CompareIgnoringCase(const char* a, std::int32_t lengthA, const char* b, std::int32_t lengthB) {
  const std::wstring x = Breit(a, lengthA);
  const std::wstring y = Breit(b, lengthB);
  return ::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, x.c_str(), static_cast<int>(x.size()), y.c_str(),
                          static_cast<int>(y.size()));
}

}  // namespace platform
