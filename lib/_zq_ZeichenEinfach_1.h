// Simple text functions: parts of a text by 1-based position, decimal numbers, lower-casing.
// Every function is total: any numbers give a text, never an error.
#pragma once
#include <cstdint>
#include <string>

// The last n characters of t.
std::string TextRechts(const std::string& t, std::int32_t n);
// n characters of t from position p; a negative n runs to the end.
std::string TextMitte(const std::string& t, std::int32_t p, std::int32_t n);
// What TextMitte gives on the reversed text, in t's own order: p - 1 characters are skipped at the
// right end and the n before them returned; a negative n runs to the start.
std::string TextMitteVonRechts(const std::string& t, std::int32_t p, std::int32_t n);
// The decimal text of z, with "-" for negative numbers.
std::string ZahlAlsText(std::int64_t z);
// The lower-cased copy of t, by the user's code page.
std::string TextKlein(const std::string& t);
