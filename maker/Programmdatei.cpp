#include "maker/Programmdatei.h"

#include <algorithm>
#include <cstdint>

namespace {

// Little-endian numbers of the file; 0 outside it, which no check below accepts.
std::uint32_t Zahl(const std::string& b, std::uint64_t pos, int bytes) {
  if (pos > b.size() || b.size() - pos < static_cast<std::uint64_t>(bytes)) return 0;
  std::uint32_t z = 0;
  for (int i = bytes - 1; i >= 0; --i) z = (z << 8) | static_cast<unsigned char>(b[pos + i]);
  return z;
}

constexpr std::uint16_t kAusfuehrbar = 0x0002;  // IMAGE_FILE_EXECUTABLE_IMAGE
constexpr std::uint16_t kBibliothek = 0x2000;   // IMAGE_FILE_DLL
constexpr std::uint16_t kPe32 = 0x10B;
constexpr std::uint16_t kPe32Plus = 0x20B;
constexpr std::size_t kSicherheit = 4;          // IMAGE_DIRECTORY_ENTRY_SECURITY
constexpr std::size_t kSymbolGroesse = 18;      // one entry of the COFF symbol table

}  // namespace

TZQProgramm ProgrammLesen(const std::string& b) {
  TZQProgramm p;
  if (b.size() < 0x40 || b.compare(0, 2, "MZ") != 0) return p;
  const std::uint64_t pe = Zahl(b, 0x3C, 4);
  if (pe + 24 > b.size() || b.compare(static_cast<std::size_t>(pe), 4, std::string("PE\0\0", 4)) != 0) return p;
  const std::uint64_t coff = pe + 4;
  const std::uint32_t abschnitte = Zahl(b, coff + 2, 2);
  const std::uint32_t symbolTabelle = Zahl(b, coff + 8, 4);
  const std::uint32_t symbole = Zahl(b, coff + 12, 4);
  const std::uint32_t kopfGroesse = Zahl(b, coff + 16, 2);
  const std::uint32_t merkmale = Zahl(b, coff + 18, 2);
  const std::uint64_t kopf = coff + 20;
  const std::uint32_t art = Zahl(b, kopf, 2);
  if ((art != kPe32 && art != kPe32Plus) || !(merkmale & kAusfuehrbar) || (merkmale & kBibliothek)) return p;
  const std::uint64_t verzeichnisse = kopf + (art == kPe32 ? 96 : 112);
  const std::uint32_t verzeichnisAnzahl = Zahl(b, kopf + (art == kPe32 ? 92 : 108), 4);
  const std::uint64_t tabelle = kopf + kopfGroesse;
  if (tabelle + std::uint64_t{abschnitte} * 40 > b.size()) return p;
  p.Gueltig = true;

  std::uint64_t ende = Zahl(b, kopf + 60, 4);  // SizeOfHeaders
  for (std::uint32_t i = 0; i < abschnitte; ++i) {
    const std::uint64_t a = tabelle + std::uint64_t{i} * 40;
    const std::uint32_t roh = Zahl(b, a + 16, 4);
    if (roh > 0) ende = std::max<std::uint64_t>(ende, std::uint64_t{Zahl(b, a + 20, 4)} + roh);
  }
  // Windows loads no image whose headers or sections the file does not hold.
  p.Abgeschnitten = ende > b.size();
  // A linker that keeps symbols puts their table and its strings behind the sections. The system
  // never reads them: a table that the file does not hold counts as none, and so does a string
  // table whose size field (its first four bytes, counted in) does not fit, such as the start of
  // attached data where a tool left the symbols without their strings.
  const std::uint64_t texte = symbolTabelle + std::uint64_t{symbole} * kSymbolGroesse;
  if (symbolTabelle > 0 && texte <= b.size()) {
    const std::uint32_t groesse = Zahl(b, texte, 4);
    ende = std::max<std::uint64_t>(ende, groesse >= 4 && texte + groesse <= b.size() ? texte + groesse : texte);
  }
  p.BildEnde = static_cast<std::size_t>(std::min<std::uint64_t>(ende, b.size()));
  if (verzeichnisAnzahl > kSicherheit) {
    const std::uint64_t eintrag = verzeichnisse + kSicherheit * 8;
    const std::uint64_t zertifikat = Zahl(b, eintrag, 4);
    const std::uint32_t groesse = Zahl(b, eintrag + 4, 4);
    p.Signiert = groesse > 0;
    if (p.Signiert) {
      p.SignaturAnfang = static_cast<std::size_t>(std::min<std::uint64_t>(zertifikat, b.size()));
      p.SignaturEnde = static_cast<std::size_t>(std::min<std::uint64_t>(zertifikat + groesse, b.size()));
      p.SignaturEintrag = static_cast<std::size_t>(eintrag);
    }
  }
  return p;
}
