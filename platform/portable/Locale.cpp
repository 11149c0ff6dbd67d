#include "platform/Locale.h"

// Code page 1252 case pairs: A-Z, the accented capitals 0xC0-0xDE except the multiplication sign
// 0xD7, and the four capitals of the 0x80 row (Š, Œ, Ž, Ÿ). "ß" and "µ" have no capital here.
namespace {

unsigned char Klein(unsigned char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
  switch (c) {
    case 0x8A: return 0x9A;
    case 0x8C: return 0x9C;
    case 0x8E: return 0x9E;
    case 0x9F: return 0xFF;
    default: return c;
  }
}

unsigned char Gross(unsigned char c) {
  if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 0x20;
  switch (c) {
    case 0x9A: return 0x8A;
    case 0x9C: return 0x8C;
    case 0x9E: return 0x8E;
    case 0xFF: return 0x9F;
    default: return c;
  }
}

}  // namespace

namespace platform {

void LowerCaseInPlace(char* text, std::uint32_t length) {
  for (std::uint32_t i = 0; i < length; ++i) text[i] = static_cast<char>(Klein(static_cast<unsigned char>(text[i])));
}

void UpperCaseInPlace(char* text, std::uint32_t length) {
  for (std::uint32_t i = 0; i < length; ++i) text[i] = static_cast<char>(Gross(static_cast<unsigned char>(text[i])));
}

}  // namespace platform
