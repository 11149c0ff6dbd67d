#include "lib/_zq_Zeichensatz_1.h"

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
      // A surrogate pair is one character; a lone half is one as well, and the character after it
      // stays.
      if (zeichen >= 0xD800 && zeichen < 0xDC00 && i + 1 < text.size() &&
          static_cast<std::uint32_t>(text[i + 1]) >= 0xDC00 && static_cast<std::uint32_t>(text[i + 1]) < 0xE000) {
        ++i;
      }
    }
    schmal += c;
  }
  return vollstaendig;
}
