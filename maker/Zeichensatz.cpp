#include "maker/Zeichensatz.h"

namespace {

// The characters of the bytes 0x80 to 0x9F; 0 marks the free ones.
constexpr std::uint16_t kZeile80[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

unsigned char U(char c) { return static_cast<unsigned char>(c); }

}  // namespace

std::uint32_t Cp1252Zeichen(char c) {
  const unsigned char b = U(c);
  if (b < 0x80 || b >= 0xA0 || kZeile80[b - 0x80] == 0) return b;
  return kZeile80[b - 0x80];
}

bool Cp1252Belegt(char c) {
  const unsigned char b = U(c);
  return b < 0x80 || b >= 0xA0 || kZeile80[b - 0x80] != 0;
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

bool Utf8Folge(const std::string& t, std::size_t pos, std::uint32_t& zeichen, std::size_t& laenge) {
  if (pos >= t.size()) return false;
  const unsigned char b = U(t[pos]);
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
    const unsigned char f = U(t[pos + i]);
    if ((f & 0xC0) != 0x80) return false;
    zeichen = (zeichen << 6) | (f & 0x3F);
  }
  return zeichen >= mindestens && zeichen <= 0x10FFFF && !(zeichen >= 0xD800 && zeichen <= 0xDFFF);
}

std::string Utf8Von(std::uint32_t zeichen) {
  std::string folge;
  if (zeichen < 0x80) {
    folge += static_cast<char>(zeichen);
  } else if (zeichen < 0x800) {
    folge += static_cast<char>(0xC0 | (zeichen >> 6));
    folge += static_cast<char>(0x80 | (zeichen & 0x3F));
  } else if (zeichen < 0x10000) {
    folge += static_cast<char>(0xE0 | (zeichen >> 12));
    folge += static_cast<char>(0x80 | ((zeichen >> 6) & 0x3F));
    folge += static_cast<char>(0x80 | (zeichen & 0x3F));
  } else {
    folge += static_cast<char>(0xF0 | (zeichen >> 18));
    folge += static_cast<char>(0x80 | ((zeichen >> 12) & 0x3F));
    folge += static_cast<char>(0x80 | ((zeichen >> 6) & 0x3F));
    folge += static_cast<char>(0x80 | (zeichen & 0x3F));
  }
  return folge;
}

std::string Utf8AusCp1252(const std::string& text) {
  std::string utf8;
  utf8.reserve(text.size() + text.size() / 8);
  for (char c : text) utf8 += Utf8Von(Cp1252Zeichen(c));
  return utf8;
}

std::string Cp1252AusUtf8(const std::string& text) {
  std::string cp;
  for (std::size_t pos = 0; pos < text.size();) {
    std::uint32_t zeichen = 0;
    std::size_t laenge = 1;
    char c = '?';
    if (!Utf8Folge(text, pos, zeichen, laenge)) laenge = 1;
    else if (!Cp1252Von(zeichen, c)) c = '?';
    cp += c;
    pos += laenge;
  }
  return cp;
}

std::string UnicodeName(std::uint32_t zeichen) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string ziffern;
  for (int stelle = zeichen > 0xFFFF ? 20 : 12; stelle >= 0; stelle -= 4) ziffern += kHex[(zeichen >> stelle) & 0xF];
  return "U+" + ziffern;
}
