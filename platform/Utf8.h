// UTF-8, the encoding of the maker's tool's names and texts on every host, and the system's wide
// text. One decoder for all of the tool: what its own checks accept is what reaches the system.
#pragma once
#include <cstdint>
#include <string>

namespace platform {

// One well-formed UTF-8 sequence at `pos` (a single byte below 0x80 is one): its character and
// length. Overlong forms, surrogates and characters above U+10FFFF are not well-formed.
inline bool Utf8Folge(const std::string& t, std::size_t pos, std::uint32_t& zeichen, std::size_t& laenge) {
  if (pos >= t.size()) return false;
  const auto b = static_cast<unsigned char>(t[pos]);
  std::uint32_t mindestens = 0;
  if (b < 0x80) {
    zeichen = b;
    laenge = 1;
    return true;
  }
  if (b >= 0xC2 && b <= 0xDF) {
    laenge = 2, zeichen = b & 0x1F, mindestens = 0x80;
  } else if (b >= 0xE0 && b <= 0xEF) {
    laenge = 3, zeichen = b & 0x0F, mindestens = 0x800;
  } else if (b >= 0xF0 && b <= 0xF4) {
    laenge = 4, zeichen = b & 0x07, mindestens = 0x10000;
  } else {
    return false;
  }
  if (pos + laenge > t.size()) return false;
  for (std::size_t i = 1; i < laenge; ++i) {
    const auto f = static_cast<unsigned char>(t[pos + i]);
    if ((f & 0xC0) != 0x80) return false;
    zeichen = (zeichen << 6) | (f & 0x3F);
  }
  return zeichen >= mindestens && zeichen <= 0x10FFFF && !(zeichen >= 0xD800 && zeichen <= 0xDFFF);
}

// The character at `pos` of a UTF-8 text, `pos` moved behind it; U+FFFD for a byte that is no
// UTF-8.
inline std::uint32_t Utf8Zeichen(const std::string& t, std::size_t& pos) {
  std::uint32_t zeichen = 0;
  std::size_t laenge = 0;
  if (!Utf8Folge(t, pos, zeichen, laenge)) zeichen = 0xFFFD, laenge = 1;
  pos += laenge;
  return zeichen;
}

// The system's wide text (UTF-16 on Windows, UTF-32 elsewhere) of a UTF-8 text; bytes that are no
// UTF-8 become U+FFFD.
inline std::wstring BreitAusUtf8(const std::string& text) {
  std::wstring breit;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::uint32_t zeichen = Utf8Zeichen(text, pos);
    if (sizeof(wchar_t) == 2 && zeichen >= 0x10000) {
      breit += static_cast<wchar_t>(0xD800 + ((zeichen - 0x10000) >> 10));
      breit += static_cast<wchar_t>(0xDC00 + ((zeichen - 0x10000) & 0x3FF));
    } else {
      breit += static_cast<wchar_t>(zeichen);
    }
  }
  return breit;
}

}  // namespace platform
