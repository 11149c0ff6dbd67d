// Small blocks, an executable and a look at the warnings, for the tests of the maker's tool.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "maker/Pruefung.h"
#include "tests/maker/Kopf.h"

namespace macher {

// The bytes of a UTF-8 literal; the build's plain literals are 1252.
inline std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

// A block as the installer wants it: the leader line, the markers around `zeilen`, CR LF after
// each line and `nachher` behind the closing marker. Line 3 is the first of `zeilen`.
inline std::string Block(const std::vector<std::string>& zeilen, const std::string& nachher = "\r\n") {
  std::string text = "Codierung:\r\n#ZQ1#\r\n";
  for (const std::string& z : zeilen) text += z + "\r\n";
  return text + "#ZQ1#" + nachher;
}

inline const std::vector<std::string> kBeispiel = {"#n=mein Super-Programm", "#z=P", "#m=135",
                                                   "#d=Meine Datei.txt,Mein Menü-Text"};

// The lines of the warnings of one kind.
inline std::vector<std::int32_t> Zeilen(const TZQBefund& befund, const std::string& art) {
  std::vector<std::int32_t> zeilen;
  for (const TZQWarnung& w : befund.Warnungen) {
    if (w.Art == art) zeilen.push_back(w.Zeile);
  }
  return zeilen;
}

inline std::string Warnung(const TZQBefund& befund, const std::string& art) {
  for (const TZQWarnung& w : befund.Warnungen) {
    if (w.Art == art) return w.Text;
  }
  return {};
}

// The smallest 32-bit Windows executable: headers, one section that holds the marker as
// Setup.exe's own data does, and with `zertifikat` > 0 a certificate table of that size behind it.
inline std::string Programm(std::size_t zertifikat = 0) {
  std::string b = kopf::Bild();
  b.replace(0x300, 5, "#ZQ1#");
  return zertifikat == 0 ? b : kopf::Signiert(b, kopf::Eintrag(0x80, false), zertifikat);
}

// `datei` signed as signing tools sign it: zero bytes up to a multiple of 8, then a certificate
// table of `zertifikat` bytes, named by the security directory of Programm()'s header.
inline std::string Signiert(std::string datei, std::size_t zertifikat = 96) {
  return kopf::Signiert(std::move(datei), kopf::Eintrag(0x80, false), zertifikat);
}

}  // namespace macher
