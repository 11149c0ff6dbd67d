#include "lib/_zq_ZeichenKomplex_1.h"

#include <algorithm>
#include <cstdlib>

#include "lib/_zq_ZeichenEinfach_1.h"
#include "platform/Locale.h"

namespace {

// The short forms make no selection of their own; the count then has no effect.
constexpr std::int32_t KeineAuswahl = 9;
constexpr std::int32_t OhneBelang = 4711;

bool IstZiffer(char c) { return c >= '0' && c <= '9'; }

std::uint16_t Typ(char c) {
  std::uint16_t typ = 0;
  return platform::CharacterType(c, typ) ? typ : 0;
}

struct Muster {
  bool klasse;
  std::uint8_t code;    // class code, when `klasse`
  std::string literal;  // the comparison copy, otherwise
};

bool IstKlassencode(const std::string& m) {
  if (m.size() != 1) return false;
  const auto c = static_cast<unsigned char>(m[0]);
  return c <= 8 || (c >= 21 && c <= 28);
}

// The pattern list as the scan uses it; element 0 of the given list is no pattern.
std::vector<Muster> MusterLesen(const std::vector<std::string>& muster, bool grossKlein) {
  std::vector<Muster> liste;
  if (muster.size() > 1) liste.reserve(muster.size() - 1);
  for (std::size_t i = 1; i < muster.size(); ++i) {
    if (IstKlassencode(muster[i]))
      liste.push_back({true, static_cast<std::uint8_t>(muster[i][0]), {}});
    else
      liste.push_back({false, 0, grossKlein ? muster[i] : TextKlein(muster[i])});
  }
  return liste;
}

std::vector<std::string> EinMuster(const std::string& muster) { return {std::string(), muster}; }

}  // namespace

bool ZeichenPasst(char zeichen, std::uint8_t klassencode) {
  switch (klassencode) {
    case 1: case 2: case 21: case 22:
      return IstZiffer(zeichen);
    case 4: case 24:
      return (Typ(zeichen) & platform::CType1Lower) != 0;
    case 5: case 25:
      return !IstZiffer(zeichen) && zeichen != ' ' && static_cast<unsigned char>(zeichen) > 9 &&
             (Typ(zeichen) & (platform::CType1Upper | platform::CType1Lower)) == 0;
    case 6: case 26:
      return (Typ(zeichen) & platform::CType1Upper) != 0;
    case 7: case 27:
      return zeichen == ' ';
    case 8: case 28:
      return (Typ(zeichen) & (platform::CType1Upper | platform::CType1Lower)) != 0;
    default:
      return false;
  }
}

bool IstBuchstabe(char zeichen) { return ZeichenPasst(zeichen, KlasseBuchstabe); }
bool IstGrossBuchstabe(char zeichen) { return ZeichenPasst(zeichen, KlasseGross); }
bool IstKleinBuchstabe(char zeichen) { return ZeichenPasst(zeichen, KlasseKlein); }
bool IstSonderzeichen(char zeichen) { return ZeichenPasst(zeichen, KlasseSonder); }

std::int32_t Fundstellen(const std::string& text, const std::vector<std::string>& muster, bool grossKlein,
                         bool auswahlwert, bool vorwaerts, bool zaehlVorwaerts, std::int32_t modus,
                         std::int32_t anzahl, std::vector<std::int32_t>& positionen,
                         std::vector<std::int32_t>& laengen, std::vector<char>& treffer) {
  const auto laenge = static_cast<std::int64_t>(text.size());
  // No text has more pieces than characters: sized once here, cut once at the end.
  positionen.resize(text.size() + 1);
  laengen.resize(text.size() + 1);
  treffer.resize(text.size() + 1);
  if (laenge == 0) return 0;
  // In 64 bits, so that the lowest 32-bit count has its absolute value too.
  const std::int64_t n = std::llabs(static_cast<std::int64_t>(anzahl));
  const std::vector<Muster> liste = MusterLesen(muster, grossKlein);
  const std::string klein = grossKlein ? std::string() : TextKlein(text);
  const std::string& vergleich = grossKlein ? text : klein;

  std::int32_t stuecke = 0;
  for (std::int64_t p = vorwaerts ? 1 : laenge; vorwaerts ? p <= laenge : p >= 1;) {
    bool passt = false;
    std::int64_t stueck = 1;
    const char zeichen = text[static_cast<std::size_t>(p - 1)];
    for (const Muster& m : liste) {
      if (m.klasse) {
        const std::uint8_t basis = m.code > KlasseNicht ? m.code - KlasseNicht : m.code;
        if (basis == KlasseJedes) {
          passt = true;
        } else if (basis == KlasseZahl) {
          if (IstZiffer(zeichen)) {
            passt = true;
            std::int64_t lauf = 1;
            if (vorwaerts)
              while (p + lauf <= laenge && IstZiffer(text[static_cast<std::size_t>(p + lauf - 1)])) ++lauf;
            else
              while (p - lauf >= 1 && IstZiffer(text[static_cast<std::size_t>(p - lauf - 1)])) ++lauf;
            stueck = std::max(stueck, lauf);
          }
        } else if (ZeichenPasst(zeichen, basis)) {
          passt = true;
        }
        if (m.code > KlasseNicht) passt = !passt;
      } else if (m.literal.empty()) {
        passt = true;
      } else {
        const auto m_laenge = static_cast<std::int64_t>(m.literal.size());
        const std::int64_t anfang = vorwaerts ? p : p - m_laenge + 1;
        if (anfang >= 1 && anfang + m_laenge - 1 <= laenge &&
            vergleich.compare(static_cast<std::size_t>(anfang - 1), m.literal.size(), m.literal) == 0) {
          passt = true;
          stueck = std::max(stueck, m_laenge);
        }
      }
    }
    ++stuecke;
    positionen[stuecke] = static_cast<std::int32_t>(vorwaerts ? p : p - stueck + 1);
    laengen[stuecke] = static_cast<std::int32_t>(stueck);
    treffer[stuecke] = passt == auswahlwert;
    p += vorwaerts ? stueck : -stueck;
  }

  if (modus >= NurNter && modus <= NurErsteN) {
    std::int64_t zaehler = 0;
    for (std::int32_t i = 0; i < stuecke; ++i) {
      const std::int32_t k = zaehlVorwaerts ? i + 1 : stuecke - i;
      if (!treffer[k]) {
        if (modus == NterJeFolge) zaehler = 0;
        continue;
      }
      ++zaehler;
      switch (modus) {
        case NurNter: case NterJeFolge: treffer[k] = zaehler == n; break;
        case OhneNten: treffer[k] = zaehler != n; break;
        case NurErsteN: treffer[k] = zaehler <= n; break;
      }
    }
  }
  if (!vorwaerts) {
    std::reverse(positionen.begin() + 1, positionen.begin() + stuecke + 1);
    std::reverse(laengen.begin() + 1, laengen.begin() + stuecke + 1);
    std::reverse(treffer.begin() + 1, treffer.begin() + stuecke + 1);
  }
  positionen.resize(static_cast<std::size_t>(stuecke) + 1);
  laengen.resize(static_cast<std::size_t>(stuecke) + 1);
  treffer.resize(static_cast<std::size_t>(stuecke) + 1);
  return static_cast<std::int32_t>(std::count(treffer.begin() + 1, treffer.end(), true));
}

std::string EndeStutzen(const std::string& text, const std::vector<std::string>& muster, bool grossKlein,
                        bool auswahlwert, bool vorwaerts) {
  std::vector<std::int32_t> positionen, laengen;
  std::vector<char> treffer;
  if (Fundstellen(text, muster, grossKlein, auswahlwert, vorwaerts, true, KeineAuswahl, OhneBelang, positionen,
                  laengen, treffer) == 0)
    return text;
  const auto stuecke = static_cast<std::int32_t>(positionen.size()) - 1;
  if (vorwaerts) {
    std::size_t schnitt = 0;  // 0-based: the first character that stays
    for (std::int32_t k = 1; k <= stuecke && treffer[k]; ++k) schnitt = positionen[k] - 1 + laengen[k];
    return text.substr(schnitt);
  }
  std::size_t ende = text.size();  // the number of characters that stay
  for (std::int32_t k = stuecke; k >= 1 && treffer[k]; --k) ende = positionen[k] - 1;
  return text.substr(0, ende);
}

std::string RechtsStutzen(const std::string& text, const std::string& muster) {
  return EndeStutzen(text, EinMuster(muster), true, true, false);
}

std::string BeideEndenStutzen(const std::string& text, const std::string& muster) {
  const std::vector<std::string> liste = EinMuster(muster);
  return EndeStutzen(EndeStutzen(text, liste, true, true, true), liste, true, true, false);
}

void TextZerlegen(const std::string& text, const std::vector<std::string>& muster, bool grossKlein,
                  bool auswahlwert, bool vorwaerts, bool zaehlVorwaerts, std::int32_t modus,
                  std::int32_t anzahl, bool leereBehalten, std::vector<std::string>& teile) {
  std::vector<std::int32_t> positionen, laengen;
  std::vector<char> treffer;
  Fundstellen(text, muster, grossKlein, auswahlwert, vorwaerts, zaehlVorwaerts, modus, anzahl, positionen, laengen,
              treffer);
  const auto stuecke = static_cast<std::int32_t>(positionen.size()) - 1;
  // Sized once: there is at most one part more than pieces.
  teile.resize(static_cast<std::size_t>(stuecke) + 3);
  std::size_t anzahlTeile = 0;
  if (stuecke == 0) {
    if (leereBehalten) teile[++anzahlTeile].clear();
    teile.resize(anzahlTeile + 1);
    return;
  }
  // The pieces of one part lie side by side, so the current part is the run [von, bis) of the
  // text, written out when the next part begins and at the end.
  std::size_t von = 0, bis = 0;
  auto beginnen = [&](std::size_t ab) {
    if (anzahlTeile > 0) teile[anzahlTeile].assign(text, von, bis - von);
    ++anzahlTeile;
    von = bis = ab;
  };
  bool vorherGewaehlt = false;
  if (leereBehalten && treffer[1]) beginnen(0);
  for (std::int32_t k = 1; k <= stuecke; ++k) {
    const auto anfang = static_cast<std::size_t>(positionen[k] - 1);
    if (!treffer[k]) {
      if (vorherGewaehlt || k == 1) beginnen(anfang);
      bis = anfang + static_cast<std::size_t>(laengen[k]);
    } else if (leereBehalten && vorherGewaehlt) {
      beginnen(anfang);
    }
    vorherGewaehlt = treffer[k];
  }
  if (leereBehalten && treffer[stuecke]) beginnen(text.size());
  if (anzahlTeile > 0) teile[anzahlTeile].assign(text, von, bis - von);
  teile.resize(anzahlTeile + 1);
}

void TextTeilen(const std::string& text, const std::string& trenner, bool leereBehalten, bool grossKlein,
                std::vector<std::string>& teile) {
  TextZerlegen(text, EinMuster(trenner), grossKlein, true, true, true, KeineAuswahl, OhneBelang, leereBehalten,
               teile);
}
