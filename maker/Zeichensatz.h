// Code page 1252 and Unicode. The installer reads code page 1252; a maker writes UTF-8 or 1252; the
// tool prints UTF-8. Texts inside the tool are 1252, as every literal of the build is.
#pragma once
#include <cstdint>
#include <string>

#include "lib/_zq_Zeichensatz_1.h"

// False for the five bytes that 1252 leaves free.
bool Cp1252Belegt(char c);

// One well-formed UTF-8 sequence at `pos` (a single byte below 0x80 is one): its character and
// length. Overlong forms, surrogates and characters above U+10FFFF are not well-formed.
bool Utf8Folge(const std::string& t, std::size_t pos, std::uint32_t& zeichen, std::size_t& laenge);
// The character at `pos` of a UTF-8 text, `pos` moved behind it; U+FFFD for a byte that is no
// UTF-8.
std::uint32_t Utf8Zeichen(const std::string& t, std::size_t& pos);
// The UTF-8 form of one character.
std::string Utf8Von(std::uint32_t zeichen);

// A 1252 text in UTF-8, for printing.
std::string Utf8AusCp1252(const std::string& text);
// UTF-8 and the system's wide text (UTF-16 on Windows, UTF-32 elsewhere): a Windows host hands
// the tool its paths wide and takes them back so. Bytes that are no UTF-8 become U+FFFD.
std::wstring BreitAusUtf8(const std::string& text);
std::string Utf8AusBreit(const std::wstring& text);
// A text of the installer's reader (decoded from 1252) in 1252 again, "?" for anything else.
std::string Cp1252AusBreit(const std::wstring& text);
// A UTF-8 text in 1252, "?" for every character 1252 lacks and every byte that is no UTF-8.
std::string Cp1252AusUtf8(const std::string& text);

// The text in German quotation marks, „so“, for messages.
std::string Zitat(const std::string& text);

// "U+2192": the usual name of a character's number.
std::string UnicodeName(std::uint32_t zeichen);
