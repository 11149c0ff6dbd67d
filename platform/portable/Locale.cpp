#include "platform/Locale.h"

#include <array>
#include <cstring>

// Code page 1252 case pairs: A-Z, the accented capitals 0xC0-0xDE except the multiplication sign
// 0xD7, and the four capitals of the 0x80 row (Š, Œ, Ž, Ÿ). "ß" and "µ" have no capital here.
namespace {

constexpr unsigned char Klein(unsigned char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
  switch (c) {
    case 0x8A: return 0x9A;
    case 0x8C: return 0x9C;
    case 0x8E: return 0x9E;
    case 0x9F: return 0xFF;
    default: return c;
  }
}

constexpr unsigned char Gross(unsigned char c) {
  if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 0x20;
  switch (c) {
    case 0x9A: return 0x8A;
    case 0x9C: return 0x8C;
    case 0x9E: return 0x8E;
    case 0xFF: return 0x9F;
    default: return c;
  }
}

// The same as tables: sorting cases many short texts.
template <unsigned char (*Abbildung)(unsigned char)>
constexpr std::array<unsigned char, 256> Tabelle() {
  std::array<unsigned char, 256> t{};
  for (int c = 0; c < 256; ++c) t[c] = Abbildung(static_cast<unsigned char>(c));
  return t;
}
constexpr std::array<unsigned char, 256> KleinTabelle = Tabelle<Klein>();
constexpr std::array<unsigned char, 256> GrossTabelle = Tabelle<Gross>();

// CT_CTYPE1 as GetStringTypeExA answers it for the characters of code page 1252 under Wine.
std::uint16_t Typ(unsigned char c) {
  using namespace platform;
  constexpr std::uint16_t definiert = CType1Defined;
  if (c == '\t') return definiert | CType1Control | CType1Space | CType1Blank;
  if (c >= '\n' && c <= '\r') return definiert | CType1Control | CType1Space;
  if (c < 0x20 || c == 0x7F || c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D)
    return definiert | CType1Control;
  if (c == ' ' || c == 0xA0) return definiert | CType1Space | CType1Blank;
  if (c >= '0' && c <= '9') return definiert | CType1Digit | CType1HexDigit;
  const std::uint16_t hex = (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f') ? CType1HexDigit : 0;
  if (Klein(c) != c) return definiert | CType1Alpha | CType1Upper | hex;
  if (Gross(c) != c || c == 0xDF || c == 0x83) return definiert | CType1Alpha | CType1Lower | hex;
  switch (c) {
    case 0xAA: case 0xB5: case 0xBA: return definiert | CType1Alpha | CType1Lower | CType1Punct;
    case 0xB2: case 0xB3: case 0xB9: return definiert | CType1Digit | CType1Punct;
    case 0xAD: return definiert | CType1Control | CType1Punct;
    case 0x88: return definiert | CType1Alpha;
    case 0x80: case 0x98: case 0x99: return definiert;
    default: return definiert | CType1Punct;
  }
}

// Sort weights of one character. Texts compare by three levels, each deciding only when the ones
// before are equal: the base letters or signs (`erstes`, and `zweites` for a character that sorts
// as two letters), then the accents, then the characters that the first two levels pass over
// (`sonder`: control characters, apostrophe and dashes). Letter case never counts. The order of
// the signs and accents is the one CompareStringA gives under Wine, so both builds sort alike.
struct Gewicht {
  std::uint16_t erstes = 0;
  std::uint16_t zweites = 0;
  std::uint8_t akzent = 0;
  std::uint8_t sonder = 0;
};

// The characters passed over by the first two levels, in the order of the third.
constexpr char Uebergangen[] =
    "\0\x01\x02\x03\x04\x05\x06\x07\x08\x0e\x0f\x10\x11\x12\x13\x14\x15\x16\x17\x18\x19\x1a\x1b"
    "\x1c\x1d\x1e\x1f\x7f'-\x96\x97";
// Blanks, punctuation and symbols, each a base sign of its own, in ascending order.
constexpr char Zeichen[] =
    " \xa0\t\n\v\f\r!\"#$%&()*,./:;?@[\\]^\x88_`{|}~"
    "\xa1\xa6\xa8\xaf\xb4\xb8\xbf\x98\x91\x92\x82\x93\x94\x84\x8b\x9b\xa2\xa3\xa4\xa5\x80"
    "+<=>\xb1\xab\xbb\xd7\xf7\xa7\xa9\xac\xae\xb0\xb5\xb6\xb7\x85\x86\x87\x95\x89\x81\x8d\x8f"
    "\x90\x9d";
// Digits and letters: one base per row, after the signs; the first character of a row is the plain
// form, the others its accented forms in ascending order. Small letters only: capitals sort as
// their small forms.
constexpr const char* Zeilen[] = {
    "0", "¼", "½", "¾", "1¹", "2²", "3³", "4", "5", "6", "7", "8", "9",
    "aªáàâäãå", "b", "cç", "dð", "eéèêë", "fƒ", "g", "h", "iíìîï", "j", "k", "l", "m", "nñ",
    "oºóòôöõø", "p", "q", "r", "sš", "t", "uúùûü", "v", "w", "x", "yýÿ", "zž",
};
// Characters that sort as two letters, with no accent.
constexpr const char* Doppelte[] = {"æae", "œoe", "ßss", "þth", "™tm"};
// The soft hyphen counts on no level at all.
constexpr unsigned char Trennstrich = 0xAD;

constexpr unsigned char U(char c) { return static_cast<unsigned char>(c); }

// Not constexpr: reached while the table is built at compile time, they stop the build.
void ZeichenZweimalGelistet() {}
void ZeichenOhneGewicht() {}

constexpr std::array<Gewicht, 256> GewichteBauen() {
  std::array<Gewicht, 256> g{};
  std::array<bool, 256> belegt{};
  auto belegen = [&](unsigned char c, Gewicht w) {
    if (belegt[c]) ZeichenZweimalGelistet();
    belegt[c] = true;
    g[c] = w;
  };
  std::uint8_t sonder = 0;
  for (std::size_t i = 0; i + 1 < sizeof Uebergangen; ++i) belegen(U(Uebergangen[i]), {0, 0, 0, ++sonder});
  belegen(Trennstrich, {});
  std::uint16_t erstes = 0;
  for (std::size_t i = 0; i + 1 < sizeof Zeichen; ++i) belegen(U(Zeichen[i]), {++erstes, 0, 0, 0});
  for (const char* zeile : Zeilen) {
    ++erstes;
    std::uint8_t akzent = 0;
    for (const char* c = zeile; *c != '\0'; ++c) belegen(U(*c), {erstes, 0, akzent++, 0});
  }
  for (const char* d : Doppelte) belegen(U(d[0]), {g[U(d[1])].erstes, g[U(d[2])].erstes, 0, 0});
  for (int c = 0; c < 256; ++c) {
    const unsigned char klein = Klein(static_cast<unsigned char>(c));
    if (klein != c) belegen(static_cast<unsigned char>(c), g[klein]);
  }
  for (bool b : belegt)
    if (!b) ZeichenOhneGewicht();
  return g;
}

constexpr std::array<Gewicht, 256> Gewichte = GewichteBauen();

// Reads the weights of one level from a text, one at a time; -1 at the end.
class Leser {
 public:
  Leser(const char* text, std::size_t laenge, int stufe)
      : zeichen_(reinterpret_cast<const unsigned char*>(text)), ende_(zeichen_ + laenge), stufe_(stufe) {}

  int Naechstes() {
    if (zweitesOffen_) {
      zweitesOffen_ = false;
      return stufe_ == 1 ? zweites_ : 0;
    }
    while (zeichen_ != ende_) {
      const Gewicht& g = Gewichte[*zeichen_++];
      if (stufe_ == 3) {
        if (g.sonder != 0) return g.sonder;
        continue;
      }
      if (g.erstes == 0) continue;
      if (g.zweites != 0) {
        zweitesOffen_ = true;
        zweites_ = g.zweites;
      }
      return stufe_ == 1 ? g.erstes : g.akzent;
    }
    return -1;
  }

 private:
  const unsigned char* zeichen_;
  const unsigned char* ende_;
  int stufe_;
  bool zweitesOffen_ = false;
  std::uint16_t zweites_ = 0;
};

}  // namespace

namespace platform {

void LowerCaseInPlace(char* text, std::uint32_t length) {
  for (std::uint32_t i = 0; i < length; ++i) text[i] = static_cast<char>(KleinTabelle[static_cast<unsigned char>(text[i])]);
}

void UpperCaseInPlace(char* text, std::uint32_t length) {
  for (std::uint32_t i = 0; i < length; ++i) text[i] = static_cast<char>(GrossTabelle[static_cast<unsigned char>(text[i])]);
}

bool CharacterType(char character, std::uint16_t& type) {
  type = Typ(static_cast<unsigned char>(character));
  return true;
}

int CompareIgnoringCase(const char* a, std::int32_t lengthA, const char* b, std::int32_t lengthB) {
  // A negative length means a zero-terminated text, as for CompareStringA.
  std::size_t la = lengthA < 0 ? std::strlen(a) : static_cast<std::size_t>(lengthA);
  std::size_t lb = lengthB < 0 ? std::strlen(b) : static_cast<std::size_t>(lengthB);
  // Every level compares sequences of per-character weights that do not depend on case, so a
  // beginning that the two texts share but for case decides nothing.
  while (la > 0 && lb > 0 &&
         KleinTabelle[static_cast<unsigned char>(*a)] == KleinTabelle[static_cast<unsigned char>(*b)]) {
    ++a, ++b, --la, --lb;
  }
  for (int stufe = 1; stufe <= 3; ++stufe) {
    Leser x(a, la, stufe);
    Leser y(b, lb, stufe);
    for (;;) {
      const int wx = x.Naechstes();
      const int wy = y.Naechstes();
      if (wx != wy) return wx < wy ? 1 : 3;
      if (wx < 0) break;
    }
  }
  return 2;
}

}  // namespace platform
