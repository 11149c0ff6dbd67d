// Code page 1252 and Unicode. The installer reads code page 1252; a maker writes UTF-8 or 1252; the
// tool prints UTF-8. Texts inside the tool are 1252, as every literal of the build is.
#pragma once
#include <cstdint>
#include <string>

// The Unicode character of a 1252 byte. The five bytes that 1252 leaves free (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) give the control character of their own value, as Windows maps them.
std::uint32_t Cp1252Zeichen(char c);
// False for the five free bytes.
bool Cp1252Belegt(char c);
// The 1252 byte of a Unicode character; false when 1252 has none.
bool Cp1252Von(std::uint32_t zeichen, char& c);

// One well-formed UTF-8 sequence at `pos` (a single byte below 0x80 is one): its character and
// length. Overlong forms, surrogates and characters above U+10FFFF are not well-formed.
bool Utf8Folge(const std::string& t, std::size_t pos, std::uint32_t& zeichen, std::size_t& laenge);
// The UTF-8 form of one character.
std::string Utf8Von(std::uint32_t zeichen);

// A 1252 text in UTF-8, for printing.
std::string Utf8AusCp1252(const std::string& text);
// A UTF-8 text in 1252, "?" for every character 1252 lacks and every byte that is no UTF-8.
std::string Cp1252AusUtf8(const std::string& text);

// "U+2192": the usual name of a character's number.
std::string UnicodeName(std::uint32_t zeichen);
