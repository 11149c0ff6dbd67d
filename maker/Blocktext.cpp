#include "maker/Blocktext.h"

#include <algorithm>

#include "install/_block.h"
#include "lib/_zq_ZeichenEinfach_1.h"
#include "maker/Zeichensatz.h"

std::size_t FensterSchluss(const std::string& quelle) {
  const TZQFensterLage lage = FensterLage(quelle.substr(0, kKopfGroesse), static_cast<std::int64_t>(quelle.size()));
  const auto von = static_cast<std::size_t>(lage.Position - 1);
  return von + FensterEnde(lage, quelle.substr(von, static_cast<std::size_t>(lage.Anzahl)));
}

std::string Fenster(const std::string& quelle) {
  const TZQFensterLage lage = FensterLage(quelle.substr(0, kKopfGroesse), static_cast<std::int64_t>(quelle.size()));
  return FensterAus(lage, std::string_view(quelle).substr(static_cast<std::size_t>(lage.Position - 1), static_cast<std::size_t>(lage.Anzahl)));
}

namespace {

bool GanzUtf8MitUmlaut(const std::string& roh, std::size_t ab) {
  bool umlaut = false;
  for (std::size_t pos = ab; pos < roh.size();) {
    std::uint32_t zeichen = 0;
    std::size_t laenge = 0;
    if (!Utf8Folge(roh, pos, zeichen, laenge)) return false;
    umlaut = umlaut || laenge > 1;
    pos += laenge;
  }
  return umlaut;
}

}  // namespace

TZQUmwandlung Umwandeln(const std::string& roh, bool utf8Erkennen) {
  TZQUmwandlung u;
  if (utf8Erkennen && roh.size() >= 2 &&
      ((roh[0] == '\xFF' && roh[1] == '\xFE') || (roh[0] == '\xFE' && roh[1] == '\xFF'))) {
    u.Utf16 = true;
    return u;
  }
  const std::size_t anfang = utf8Erkennen && roh.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
  u.Utf8 = utf8Erkennen && GanzUtf8MitUmlaut(roh, anfang);

  std::int32_t zeile = 1;
  std::int32_t spalte = 1;
  for (std::size_t pos = anfang; pos < roh.size();) {
    const char c = roh[pos];
    if (c == '\r' || c == '\n') {
      const bool crlf = c == '\r' && pos + 1 < roh.size() && roh[pos + 1] == '\n';
      if (!crlf && u.FremdeZeilenenden++ == 0) u.ErsteFremdeZeile = zeile;
      u.Text += "\r\n";
      pos += crlf ? 2 : 1;
      ++zeile;
      spalte = 1;
      continue;
    }
    std::uint32_t zeichen = Cp1252Zeichen(c);
    std::size_t laenge = 1;
    char cp = c;
    bool belegt = Cp1252Belegt(c);
    if (u.Utf8) {
      Utf8Folge(roh, pos, zeichen, laenge);
      // The free bytes' control characters go there and back, but a maker means none of them.
      belegt = Cp1252Von(zeichen, cp) && Cp1252Belegt(cp);
    }
    if (!belegt) {
      u.Fremdzeichen.push_back({zeile, spalte, zeichen});
      cp = '?';
    }
    u.Text += cp;
    pos += laenge;
    ++spalte;
  }
  return u;
}

std::int32_t TZQAufbau::ZeileVon(std::size_t stelle) const {
  return static_cast<std::int32_t>(std::upper_bound(Zeilen.begin(), Zeilen.end(), stelle) - Zeilen.begin());
}

TZQAufbau AufbauLesen(const std::string& text) {
  TZQAufbau a;
  a.Zeilen.push_back(0);
  for (std::size_t pos = 0; pos < text.size(); ++pos) {
    if (text[pos] == '\n' && pos + 1 < text.size()) a.Zeilen.push_back(pos + 1);
  }
  const std::string klein = TextKlein(text);
  const std::string marke = TextKlein(kBlockMarke);
  for (std::size_t pos = klein.find(marke); pos != std::string::npos; pos = klein.find(marke, pos + marke.size())) {
    a.Marken.push_back(pos);
  }
  a.HatBlock = a.Marken.size() >= 2;
  if (a.HatBlock) {
    a.Schluss = a.Marken.back();
    a.Eroeffnung = a.Marken[a.Marken.size() - 2];
  }
  return a;
}

bool MarkeExakt(const std::string& text, std::size_t stelle) { return text.compare(stelle, 5, kBlockMarke) == 0; }

std::size_t VorspannAnfang(const std::string& text, const TZQAufbau& aufbau, std::size_t marke) {
  std::size_t ende = marke;
  while (ende > 0 && static_cast<unsigned char>(text[ende - 1]) <= ' ') --ende;
  return ende == 0 ? marke : aufbau.Zeilen[aufbau.ZeileVon(ende - 1) - 1];
}

bool OhneVorspann(const std::string& text, const TZQAufbau& aufbau) {
  return aufbau.HatBlock && Gestutzt(text.substr(0, aufbau.Eroeffnung)).empty();
}
