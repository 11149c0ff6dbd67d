// Executables as linkers and damage leave them: symbols kept behind the sections, headers that name
// more than the file holds.
#include <gtest/gtest.h>

#include "maker/Befehle.h"
#include "install/_pe.h"
#include "platform/WholeFile.h"
#include "tests/maker/Hilfen.h"
#include "tests/support/Testordner.h"

using macher::Block;
using macher::kBeispiel;

namespace {

using kopf::Setzen;

// Programm() with a COFF symbol table of `symbole` entries behind its section, then a string table
// of `texte` bytes (its size field counted in; 0: none).
std::string MitSymbolen(std::uint32_t symbole, std::uint32_t texte) {
  std::string b = macher::Programm();
  Setzen(b, 0x8C, static_cast<std::uint32_t>(b.size()));  // PointerToSymbolTable
  Setzen(b, 0x90, symbole);                                // NumberOfSymbols
  b += std::string(symbole * 18, 'S');
  if (texte > 0) {
    std::string t(texte, 'T');
    Setzen(t, 0, texte);
    b += t;
  }
  return b;
}

std::string Lesen(const std::string& pfad) {
  std::string inhalt;
  return platform::ReadWholeFile(pfad, inhalt) ? inhalt : "(fehlt)";
}

}  // namespace

TEST(Programmdatei, TheBlockLiesBehindTheSymbolsAndTheirStrings) {
  Testordner ordner;
  const std::string neu = ordner.Datei("neu.txt", "#ZQ1#\n#n=Neu\n#ZQ1#\n");
  const std::string aus = ordner.Pfad() + "aus.exe";
  // With strings, and a tool's symbols without them, where the block's leader follows the table.
  for (const std::string& exe : {MitSymbolen(3, 20), MitSymbolen(2, 0)}) {
    EXPECT_EQ(ProgrammLesen(exe).BildEnde, exe.size());
    const std::string setup = ordner.Datei("Setup.exe", exe + Block(kBeispiel));
    const TZQLauf pruefen = Ausfuehren({"pruefen", setup, "--json"});
    EXPECT_NE(pruefen.Ausgabe.find("\"warnungen\":[]"), std::string::npos) << pruefen.Ausgabe;
    EXPECT_NE(pruefen.Ausgabe.find("\"zeile\":6,\"datei\":\"Meine Datei.txt\""), std::string::npos);
    ASSERT_EQ(Ausfuehren({"anhaengen", setup, neu, "-o", aus}).Status, kFertig);
    EXPECT_EQ(Lesen(aus), exe + "Codierung:\r\n#ZQ1#\r\n#n=Neu\r\n#ZQ1#\r\n") << "the old block replaced, the symbols kept";
  }
}

TEST(Programmdatei, HeadersThatNameMoreThanTheFileHolds) {
  Testordner ordner;
  const std::string block = ordner.Datei("block.txt", Block(kBeispiel));
  const std::string aus = ordner.Pfad() + "aus.exe";
  // A section that reaches beyond the end, as in a file cut short: refused, nothing written.
  std::string kurz = macher::Programm();
  Setzen(kurz, 0x178 + 16, 0x7FFFFF00);
  EXPECT_TRUE(ProgrammLesen(kurz).Abgeschnitten);
  const std::string setup = ordner.Datei("Kurz.exe", kurz + Block(kBeispiel));
  for (const TZQLauf& lauf : {Ausfuehren({"pruefen", setup}), Ausfuehren({"anhaengen", setup, block, "-o", aus})}) {
    EXPECT_EQ(lauf.Status, kVerweigert);
    EXPECT_NE(lauf.Fehler.find("ist unvollständig: Kopf oder Abschnitte des Programms reichen über das Dateiende"),
              std::string::npos) << lauf.Fehler;
  }
  EXPECT_EQ(Lesen(aus), "(fehlt)");
  // Symbols the file does not hold are none: the system never reads them.
  std::string symbole = macher::Programm();
  Setzen(symbole, 0x8C, 0xFFFFFFF0);
  Setzen(symbole, 0x90, 0x7FFFFFFF);
  EXPECT_FALSE(ProgrammLesen(symbole).Abgeschnitten);
  EXPECT_EQ(ProgrammLesen(symbole + Block(kBeispiel)).BildEnde, symbole.size());
}
