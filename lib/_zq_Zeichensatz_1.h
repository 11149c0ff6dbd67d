// Code page 1252 and Unicode. The configuration block is 1252 on every Windows, whatever the
// system's ANSI code page; its texts are decoded here, by table, never through the system.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// The Unicode character of a 1252 byte. The five bytes that 1252 leaves free (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) give the control character of their own value, as Windows maps them.
std::uint32_t Cp1252Zeichen(char c);
// The 1252 byte of a Unicode character; false when 1252 has none.
bool Cp1252Von(std::uint32_t zeichen, char& c);

// A 1252 text as UTF-16 (UTF-32 where wchar_t has 32 bits): the block's values, and the program's own
// texts, which are 1252 literals as the block is.
std::wstring Cp1252Breit(std::string_view text);
// The 1252 text of a wide one, "?" for every character that 1252 lacks (a UTF-16 surrogate pair
// counts as one); false when there was such a character.
bool Cp1252Schmal(const std::wstring& text, std::string& schmal);
