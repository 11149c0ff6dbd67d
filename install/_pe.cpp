#include "install/_pe.h"

namespace {

// A little-endian number of the bytes; 0 outside them.
std::uint32_t Zahl(std::string_view b, std::uint64_t pos, int bytes) {
  if (pos > b.size() || b.size() - pos < static_cast<std::uint64_t>(bytes)) return 0;
  std::uint32_t z = 0;
  for (int i = bytes - 1; i >= 0; --i) z = (z << 8) | static_cast<unsigned char>(b[pos + i]);
  return z;
}

constexpr std::uint32_t kMz = 0x5A4D;
constexpr std::uint32_t kPeSignatur = 0x4550;  // "PE\0\0"
constexpr std::uint16_t kAusfuehrbar = 0x0002;  // IMAGE_FILE_EXECUTABLE_IMAGE
constexpr std::uint16_t kBibliothek = 0x2000;   // IMAGE_FILE_DLL
constexpr std::uint16_t kPe32 = 0x10B;
constexpr std::uint16_t kPe32Plus = 0x20B;
constexpr std::uint32_t kSicherheit = 4;        // IMAGE_DIRECTORY_ENTRY_SECURITY
constexpr std::uint64_t kSymbolGroesse = 18;    // one entry of the COFF symbol table
constexpr std::uint64_t kAbschnittGroesse = 40;  // one entry of the section table

std::uint64_t Hoechstens(std::uint64_t a, std::uint64_t b) { return a < b ? a : b; }
std::uint64_t Mindestens(std::uint64_t a, std::uint64_t b) { return a > b ? a : b; }

}  // namespace

TZQProgramm ProgrammKopfLesen(std::string_view b) {
  TZQProgramm p;
  if (b.size() < 0x40 || Zahl(b, 0, 2) != kMz) return p;
  const std::uint64_t pe = Zahl(b, 0x3C, 4);
  if (pe + 24 > b.size() || Zahl(b, pe, 4) != kPeSignatur) return p;
  const std::uint64_t kopf = pe + 24;  // the optional header, behind the COFF header
  const std::uint32_t art = Zahl(b, kopf, 2);
  if (art != kPe32 && art != kPe32Plus) return p;
  p.Pe = true;
  p.Plus = art == kPe32Plus;
  p.PeAnfang = pe;

  // The directories follow the optional header's fixed part: 96 bytes of PE32, 112 of PE32+.
  const std::uint64_t verzeichnisse = kopf + (p.Plus ? 112 : 96);
  if (Zahl(b, verzeichnisse - 4, 4) > kSicherheit) {
    p.SignaturEintrag = verzeichnisse + kSicherheit * 8;
    p.SignaturAnfang = Zahl(b, p.SignaturEintrag, 4);
    p.SignaturGroesse = Zahl(b, p.SignaturEintrag + 4, 4);
    p.Signiert = p.SignaturGroesse > 0;
  }
  return p;
}

TZQProgramm ProgrammLesen(std::string_view b, std::uint64_t dateiGroesse) {
  TZQProgramm p = ProgrammKopfLesen(b);
  if (!p.Pe) return p;
  const std::uint64_t coff = p.PeAnfang + 4;
  const std::uint32_t abschnitte = Zahl(b, coff + 2, 2);
  const std::uint32_t symbolTabelle = Zahl(b, coff + 8, 4);
  const std::uint32_t symbole = Zahl(b, coff + 12, 4);
  const std::uint32_t kopfGroesse = Zahl(b, coff + 16, 2);
  const std::uint32_t merkmale = Zahl(b, coff + 18, 2);
  const std::uint64_t kopf = coff + 20;
  const std::uint64_t tabelle = kopf + kopfGroesse;
  p.Gueltig = (merkmale & kAusfuehrbar) && !(merkmale & kBibliothek) &&
              tabelle + std::uint64_t{abschnitte} * kAbschnittGroesse <= b.size();
  if (!p.Gueltig) return p;
  std::uint64_t ende = Zahl(b, kopf + 60, 4);  // SizeOfHeaders
  for (std::uint32_t i = 0; i < abschnitte; ++i) {
    const std::uint64_t a = tabelle + std::uint64_t{i} * kAbschnittGroesse;
    const std::uint32_t roh = Zahl(b, a + 16, 4);
    if (roh > 0) ende = Mindestens(ende, std::uint64_t{Zahl(b, a + 20, 4)} + roh);
  }
  // Windows loads no image whose headers or sections the file does not hold.
  p.Abgeschnitten = ende > dateiGroesse;
  // A linker that keeps symbols puts their table and its strings behind the sections. The system
  // never reads them: a table that the file does not hold counts as none, and so does a string
  // table whose size field (its first four bytes, counted in) does not fit, such as the start of
  // attached data where a tool left the symbols without their strings.
  const std::uint64_t texte = symbolTabelle + std::uint64_t{symbole} * kSymbolGroesse;
  if (symbolTabelle > 0 && texte <= dateiGroesse) {
    const std::uint32_t groesse = Zahl(b, texte, 4);
    ende = Mindestens(ende, groesse >= 4 && texte + groesse <= dateiGroesse ? texte + groesse : texte);
  }
  p.BildEnde = Hoechstens(ende, dateiGroesse);
  return p;
}
