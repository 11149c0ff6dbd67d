// Small blocks, an executable and a look at the warnings, for the tests of the maker's tool.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "maker/Pruefung.h"

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
  std::string b(0x400, '\0');
  const auto setzen = [&](std::size_t pos, std::uint32_t wert, int bytes) {
    for (int i = 0; i < bytes; ++i) b[pos + i] = static_cast<char>(wert >> (8 * i));
  };
  b[0] = 'M', b[1] = 'Z';
  setzen(0x3C, 0x80, 4);
  b.replace(0x80, 4, std::string("PE\0\0", 4));
  setzen(0x84, 0x14C, 2);    // i386
  setzen(0x86, 1, 2);        // one section
  setzen(0x94, 0xE0, 2);     // size of the optional header
  setzen(0x96, 0x0102, 2);   // executable, 32 bit
  setzen(0x98, 0x10B, 2);    // PE32
  setzen(0x98 + 60, 0x200, 4);  // size of the headers
  setzen(0x98 + 92, 16, 4);     // data directories
  setzen(0x178 + 16, 0x200, 4);  // the section's size and place in the file
  setzen(0x178 + 20, 0x200, 4);
  b.replace(0x300, 5, "#ZQ1#");
  if (zertifikat > 0) {
    setzen(0x98 + 96 + 4 * 8, static_cast<std::uint32_t>(b.size()), 4);
    setzen(0x98 + 96 + 4 * 8 + 4, static_cast<std::uint32_t>(zertifikat), 4);
    b += std::string(zertifikat, 'Z');
  }
  return b;
}

// `datei` signed as signing tools sign it: zero bytes up to a multiple of 8, then a certificate
// table of `zertifikat` bytes, named by the security directory of Programm()'s header.
inline std::string Signiert(std::string datei, std::size_t zertifikat = 96) {
  datei.resize((datei.size() + 7) / 8 * 8, '\0');
  const auto setzen = [&](std::size_t pos, std::size_t wert) {
    for (int i = 0; i < 4; ++i) datei[pos + i] = static_cast<char>(wert >> (8 * i));
  };
  setzen(0x98 + 96 + 4 * 8, datei.size());
  setzen(0x98 + 96 + 4 * 8 + 4, zertifikat);
  return datei + std::string(zertifikat, 'Z');
}

}  // namespace macher
