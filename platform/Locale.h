// Case mapping of 8-bit text in the user's code page. On Windows these are CharLowerBuffA and
// CharUpperBuffA; the portable build maps code page 1252 the same way.
#pragma once
#include <cstdint>

namespace platform {

// Lower-cases `length` characters at `text` in place (CharLowerBuffA).
void LowerCaseInPlace(char* text, std::uint32_t length);
// Upper-cases `length` characters at `text` in place (CharUpperBuffA).
void UpperCaseInPlace(char* text, std::uint32_t length);

}  // namespace platform
