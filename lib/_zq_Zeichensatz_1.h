// Code page 1252 and Unicode texts. The configuration block is 1252 on every Windows, whatever the
// system's ANSI code page; its texts are decoded here, by table, never through the system.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Cp1252.h"

// The single characters, by the platform's table.
using platform::Cp1252Von;
using platform::Cp1252Zeichen;

// A 1252 text as UTF-16 (UTF-32 where wchar_t has 32 bits): the block's values, and the program's own
// texts, which are 1252 literals as the block is.
std::wstring Cp1252Breit(std::string_view text);
// The 1252 text of a wide one, "?" for every character that 1252 lacks (a UTF-16 surrogate pair
// counts as one); false when there was such a character.
bool Cp1252Schmal(const std::wstring& text, std::string& schmal);
