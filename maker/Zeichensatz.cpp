#include "maker/Zeichensatz.h"

namespace {

unsigned char U(char c) { return static_cast<unsigned char>(c); }

}  // namespace

bool Cp1252Belegt(char c) {
  const unsigned char b = U(c);
  return b < 0x80 || b >= 0xA0 || Cp1252Zeichen(c) != b;
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

std::uint32_t Utf8Zeichen(const std::string& t, std::size_t& pos) {
  std::uint32_t zeichen = 0;
  std::size_t laenge = 0;
  if (!Utf8Folge(t, pos, zeichen, laenge)) zeichen = 0xFFFD, laenge = 1;
  pos += laenge;
  return zeichen;
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

std::wstring BreitAusUtf8(const std::string& text) {
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

std::string Utf8AusBreit(const std::wstring& text) {
  std::string utf8;
  for (std::size_t i = 0; i < text.size(); ++i) {
    auto zeichen = static_cast<std::uint32_t>(text[i]);
    if (zeichen >= 0xD800 && zeichen < 0xDC00 && i + 1 < text.size()) {
      const auto zweites = static_cast<std::uint32_t>(text[i + 1]);
      if (zweites >= 0xDC00 && zweites < 0xE000) {
        zeichen = 0x10000 + ((zeichen - 0xD800) << 10) + (zweites - 0xDC00);
        ++i;
      }
    }
    utf8 += Utf8Von(zeichen);
  }
  return utf8;
}

std::string Cp1252AusBreit(const std::wstring& text) {
  std::string cp;
  Cp1252Schmal(text, cp);
  return cp;
}

std::string Cp1252AusUtf8(const std::string& text) {
  std::string cp;
  for (std::size_t pos = 0; pos < text.size();) {
    char c = '?';
    Cp1252Von(Utf8Zeichen(text, pos), c);
    cp += c;
  }
  return cp;
}

std::string Zitat(const std::string& text) { return "„" + text + "“"; }

std::string UnicodeName(std::uint32_t zeichen) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string ziffern;
  for (int stelle = zeichen > 0xFFFF ? 20 : 12; stelle >= 0; stelle -= 4) ziffern += kHex[(zeichen >> stelle) & 0xF];
  return "U+" + ziffern;
}
