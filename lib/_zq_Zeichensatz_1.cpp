#include "lib/_zq_Zeichensatz_1.h"

namespace {

// The characters of the bytes 0x80 to 0x9F; 0 marks the free ones.
constexpr std::uint16_t kZeile80[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

}  // namespace

std::uint32_t Cp1252Zeichen(char c) {
  const unsigned char b = static_cast<unsigned char>(c);
  if (b < 0x80 || b >= 0xA0 || kZeile80[b - 0x80] == 0) return b;
  return kZeile80[b - 0x80];
}

bool Cp1252Von(std::uint32_t zeichen, char& c) {
  if (zeichen < 0x80 || (zeichen >= 0xA0 && zeichen <= 0xFF)) {
    c = static_cast<char>(zeichen);
    return true;
  }
  for (int i = 0; i < 32; ++i) {
    if (kZeile80[i] != 0 && kZeile80[i] == zeichen) {
      c = static_cast<char>(0x80 + i);
      return true;
    }
  }
  return false;
}

std::wstring Cp1252Breit(std::string_view text) {
  std::wstring breit(text.size(), L'\0');
  for (std::size_t i = 0; i < text.size(); ++i) breit[i] = static_cast<wchar_t>(Cp1252Zeichen(text[i]));
  return breit;
}

bool Cp1252Schmal(const std::wstring& text, std::string& schmal) {
  schmal.clear();
  bool vollstaendig = true;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto zeichen = static_cast<std::uint32_t>(text[i]);
    char c = '?';
    if (!Cp1252Von(zeichen, c)) {
      vollstaendig = false;
      // A surrogate pair is one character.
      if (zeichen >= 0xD800 && zeichen < 0xDC00 && i + 1 < text.size()) ++i;
    }
    schmal += c;
  }
  return vollstaendig;
}
