// Executables made to measure, header field by header field, and the installer's reading of a
// source as it reads its own file (the head first, then the window): for the crafted files and
// the fuzzing of the headers, where installer and maker's tool must agree on every input.
#pragma once
#include <algorithm>
#include <cstdint>
#include <string>

#include "install/_block.h"

namespace kopf {

inline void Setzen(std::string& b, std::size_t pos, std::uint64_t wert, int bytes = 4) {
  for (int i = 0; i < bytes; ++i) b[pos + i] = static_cast<char>(wert >> (8 * i));
}

// Where the security entry of a header at `pe` lies.
inline std::size_t Eintrag(std::size_t pe, bool plus) { return pe + 24 + (plus ? 112 : 96) + 4 * 8; }

// The smallest executable with its PE header at `pe`: PE32 or PE32+, `verzeichnisse` data
// directories, one section; at least 0x400 bytes.
inline std::string Bild(std::size_t pe = 0x80, bool plus = false, std::uint32_t verzeichnisse = 16) {
  const std::size_t kopf = pe + 24;
  const std::size_t tabelle = kopf + (plus ? 112 : 96) + 8 * verzeichnisse;
  std::string b(std::max<std::size_t>(0x400, tabelle + 40), '\0');
  b[0] = 'M', b[1] = 'Z';
  Setzen(b, 0x3C, pe);
  b.replace(pe, 4, std::string("PE\0\0", 4));
  Setzen(b, pe + 4, plus ? 0x8664 : 0x14C, 2);
  Setzen(b, pe + 6, 1, 2);                      // one section
  Setzen(b, pe + 20, tabelle - kopf, 2);        // size of the optional header
  Setzen(b, pe + 22, plus ? 0x22 : 0x102, 2);   // an executable
  Setzen(b, kopf, plus ? 0x20B : 0x10B, 2);
  Setzen(b, kopf + 60, 0x200);                  // size of the headers
  Setzen(b, kopf + (plus ? 108 : 92), verzeichnisse);
  Setzen(b, tabelle + 16, 0x200);               // the section's size and place in the file
  Setzen(b, tabelle + 20, 0x200);
  return b;
}

// `datei` with the entry at `eintrag` naming a table at `anfang` of `groesse` bytes, and `tabelle`
// behind it.
inline std::string Eingetragen(std::string datei, std::size_t eintrag, std::uint64_t anfang, std::uint64_t groesse,
                               const std::string& tabelle) {
  Setzen(datei, eintrag, anfang);
  Setzen(datei, eintrag + 4, groesse);
  return datei + tabelle;
}

// Signed as signing tools sign, with the entry at `eintrag`: zeros up to a multiple of 8, then a
// table of `groesse` bytes.
inline std::string Signiert(std::string datei, std::size_t eintrag, std::size_t groesse = 96) {
  datei.resize((datei.size() + 7) / 8 * 8, '\0');
  const std::size_t anfang = datei.size();
  return Eingetragen(std::move(datei), eintrag, anfang, groesse, std::string(groesse, 'Z'));
}

// What the installer takes from a source of these bytes, as it reads its own file.
struct Sicht {
  bool Signiert = false;
  std::size_t Schluss = 0;  // where its window ends
  std::string Fenster;
  bool Block = false;
};

inline Sicht Installer(const std::string& bytes) {
  const TZQFensterLage lage =
      FensterLage(std::string_view(bytes).substr(0, kKopfGroesse), static_cast<std::int64_t>(bytes.size()));
  const auto von = static_cast<std::size_t>(lage.Position - 1);
  const std::string_view gelesen = std::string_view(bytes).substr(von, static_cast<std::size_t>(lage.Anzahl));
  Sicht s;
  s.Signiert = lage.Signiert;
  s.Schluss = von + FensterEnde(lage, gelesen);
  s.Fenster = FensterAus(lage, gelesen);
  s.Block = BlockGefunden(s.Fenster);
  return s;
}

}  // namespace kopf
