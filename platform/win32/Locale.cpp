#include "platform/Locale.h"

#include <windows.h>

namespace platform {

void LowerCaseInPlace(char* text, std::uint32_t length) { ::CharLowerBuffA(text, length); }

void UpperCaseInPlace(char* text, std::uint32_t length) { ::CharUpperBuffA(text, length); }

}  // namespace platform
