#include "maker/Zeichensatz.h"

namespace {

unsigned char U(char c) { return static_cast<unsigned char>(c); }

}  // namespace

bool Cp1252Belegt(char c) {
  const unsigned char b = U(c);
  return b < 0x80 || b >= 0xA0 || Cp1252Zeichen(c) != b;
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

bool PaareGanz(const std::wstring& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto zeichen = static_cast<std::uint32_t>(text[i]);
    if (zeichen < 0xD800 || zeichen >= 0xE000) continue;
    const bool paar = zeichen < 0xDC00 && i + 1 < text.size() && static_cast<std::uint32_t>(text[i + 1]) >= 0xDC00 &&
                      static_cast<std::uint32_t>(text[i + 1]) < 0xE000;
    if (!paar) return false;
    ++i;
  }
  return true;
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
