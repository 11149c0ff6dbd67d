// Code page 1252 and Unicode. The installer reads code page 1252; a maker writes UTF-8 or 1252; the
// tool prints UTF-8. Texts inside the tool are 1252, as every literal of the build is.
#pragma once
#include <cstdint>
#include <string>

#include "lib/_zq_Zeichensatz_1.h"
#include "platform/Utf8.h"

// The decoder of the platform's UTF-8, for the tool's texts as for its names.
using platform::BreitAusUtf8;
using platform::Utf8Folge;
using platform::Utf8Zeichen;

// False for the five bytes that 1252 leaves free.
bool Cp1252Belegt(char c);

// The UTF-8 form of one character.
std::string Utf8Von(std::uint32_t zeichen);

// A 1252 text in UTF-8, for printing.
std::string Utf8AusCp1252(const std::string& text);
// The UTF-8 of the system's wide text: a Windows host hands the tool its paths wide and takes them
// back so (BreitAusUtf8). A half of a UTF-16 pair on its own has no UTF-8.
std::string Utf8AusBreit(const std::wstring& text);
// Whether every half of a UTF-16 surrogate pair in the text stands in its pair.
bool PaareGanz(const std::wstring& text);
// A text of the installer's reader (decoded from 1252) in 1252 again, "?" for anything else.
std::string Cp1252AusBreit(const std::wstring& text);
// A UTF-8 text in 1252, "?" for every character 1252 lacks and every byte that is no UTF-8.
std::string Cp1252AusUtf8(const std::string& text);

// The text in German quotation marks, „so“, for messages.
std::string Zitat(const std::string& text);

// "U+2192": the usual name of a character's number.
std::string UnicodeName(std::uint32_t zeichen);
