#include "platform/Locale.h"

#include <windows.h>

namespace platform {

void LowerCaseInPlace(char* text, std::uint32_t length) { ::CharLowerBuffA(text, length); }

void UpperCaseInPlace(char* text, std::uint32_t length) { ::CharUpperBuffA(text, length); }

bool CharacterType(char character, std::uint16_t& type) {
  WORD typ = 0;
  const BOOL ok = ::GetStringTypeExA(LOCALE_USER_DEFAULT, CT_CTYPE1, &character, 1, &typ);
  type = ok ? typ : 0;
  return ok != FALSE;
}

int CompareIgnoringCase(const char* a, std::int32_t lengthA, const char* b, std::int32_t lengthB) {
  return ::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a, lengthA, b, lengthB);
}

}  // namespace platform
