// Code page 1252 by table: the configuration block's code page and the program's own texts'. The
// table is the same on every system, whatever its ANSI code page, which is not 1252 everywhere.
#pragma once
#include <cstdint>

namespace platform {

// The characters of the bytes 0x80 to 0x9F; 0 marks the five that 1252 leaves free.
inline constexpr std::uint16_t kCp1252Zeile80[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// The Unicode character of a 1252 byte. The five free bytes (0x81, 0x8D, 0x8F, 0x90, 0x9D) give
// the control character of their own value, as Windows maps them.
constexpr std::uint32_t Cp1252Zeichen(char c) {
  const unsigned char b = static_cast<unsigned char>(c);
  if (b < 0x80 || b >= 0xA0 || kCp1252Zeile80[b - 0x80] == 0) return b;
  return kCp1252Zeile80[b - 0x80];
}

// The 1252 byte of a Unicode character; false when 1252 has none. The control characters of the
// five free bytes give those bytes back, as Windows maps them, so that every byte goes there and
// back unchanged.
constexpr bool Cp1252Von(std::uint32_t zeichen, char& c) {
  if (zeichen < 0x80 || (zeichen >= 0xA0 && zeichen <= 0xFF) ||
      (zeichen < 0xA0 && kCp1252Zeile80[zeichen - 0x80] == 0)) {
    c = static_cast<char>(zeichen);
    return true;
  }
  for (int i = 0; i < 32; ++i) {
    if (kCp1252Zeile80[i] != 0 && kCp1252Zeile80[i] == zeichen) {
      c = static_cast<char>(0x80 + i);
      return true;
    }
  }
  return false;
}

}  // namespace platform
