// Locale services for 8-bit text in code page 1252: case mapping, character type and comparison.
// On Windows the text goes to CharLowerBuffW, CharUpperBuffW, GetStringTypeExW and CompareStringW
// (the user's default locale) as UTF-16 of 1252, whatever the system's ANSI code page; the portable
// build does the same by table.
#pragma once
#include <cstdint>

namespace platform {

// Lower-cases `length` characters at `text` in place (CharLowerBuffW).
void LowerCaseInPlace(char* text, std::uint32_t length);
// Upper-cases `length` characters at `text` in place (CharUpperBuffW).
void UpperCaseInPlace(char* text, std::uint32_t length);

// Bits of the CT_CTYPE1 character type.
inline constexpr std::uint16_t CType1Upper = 0x0001;
inline constexpr std::uint16_t CType1Lower = 0x0002;
inline constexpr std::uint16_t CType1Digit = 0x0004;
inline constexpr std::uint16_t CType1Space = 0x0008;
inline constexpr std::uint16_t CType1Punct = 0x0010;
inline constexpr std::uint16_t CType1Control = 0x0020;
inline constexpr std::uint16_t CType1Blank = 0x0040;
inline constexpr std::uint16_t CType1HexDigit = 0x0080;
inline constexpr std::uint16_t CType1Alpha = 0x0100;
inline constexpr std::uint16_t CType1Defined = 0x0200;

// The CT_CTYPE1 type of one character in the user's default locale (GetStringTypeExW); false when
// the platform gives none, `type` is then 0.
bool CharacterType(char character, std::uint16_t& type);

// Compares two texts in the user's default locale, letter case ignored (CompareStringW with
// NORM_IGNORECASE). The raw result: 1 less, 2 equal, 3 greater, 0 when the comparison failed.
int CompareIgnoringCase(const char* a, std::int32_t lengthA, const char* b, std::int32_t lengthB);

}  // namespace platform
