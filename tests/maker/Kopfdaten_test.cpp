// Crafted executables, as anyone who offers a download can make them: where the window of the
// installer ends, whether it sees a signature and a block, and that the maker's tool sees the same.
#include <gtest/gtest.h>

#include "install/_pe.h"
#include "maker/Blocktext.h"
#include "tests/maker/Hilfen.h"
#include "tests/maker/Kopf.h"

namespace {

struct Fall {
  const char* name;
  std::string bytes;
  bool signiert;
  std::size_t schluss;
  bool block;
};

TEST(Kopfdaten, CraftedFilesGiveTheirExactWindow) {
  using kopf::Bild;
  using kopf::Eingetragen;
  using kopf::Eintrag;
  using kopf::Signiert;
  const std::string block = macher::Block(macher::kBeispiel);
  const std::string roh = Bild() + block;
  const std::size_t n = roh.size();
  const std::size_t e = Eintrag(0x80, false);
  // The security entry's last byte at the end of the head that the installer reads, and one past.
  const std::size_t grenze = kKopfGroesse - 8 - (Eintrag(0, false));
  std::string abgeschnitten = Signiert(roh, e);
  abgeschnitten.resize(abgeschnitten.size() - 40);

  const Fall faelle[] = {
      {"PE32, signed", Signiert(roh, e), true, n, true},
      {"PE32+, signed", Signiert(Bild(0x80, true) + block, Eintrag(0x80, true)), true, n, true},
      {"header at the read limit", Signiert(Bild(grenze) + block, Eintrag(grenze, false)), true,
       Bild(grenze).size() + block.size(), true},
      {"header a byte past it", Signiert(Bild(grenze + 1) + block, Eintrag(grenze + 1, false)), false,
       Signiert(Bild(grenze + 1) + block, Eintrag(grenze + 1, false)).size(), false},
      {"four directories", Signiert(Bild(0x80, false, 4) + block, e), false,
       Signiert(Bild(0x80, false, 4) + block, e).size(), false},
      // The bytes before the table, less the zeros that could align it: e_lfanew's high three.
      {"table in the headers", Eingetragen(roh, e, 0x40, n + 8 - 0x40, std::string(8, 'Z')), true, 0x3D, false},
      {"table past the end", Eingetragen(roh, e, n + 8, 16, ""), false, n, true},
      {"table in the block", Eingetragen(roh, e, 0x40A, n - 0x40A, ""), true, 0x40A, false},
      {"table of size 0", Eingetragen(roh, e, n, 0, ""), false, n, true},
      {"table near 2^32", Eingetragen(roh, e, 0xFFFFFFF8, 16, ""), false, n, true},
      {"end beyond 2^32 by the file's size", Eingetragen(roh, e, 0xFFFFFFFF, n + 1, ""), false, n, true},
      {"file cut short in the table", abgeschnitten, false, abgeschnitten.size(), false},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    const kopf::Sicht installer = kopf::Installer(f.bytes);
    EXPECT_EQ(installer.Signiert, f.signiert);
    EXPECT_EQ(installer.Schluss, f.schluss);
    EXPECT_EQ(installer.Block, f.block);
    EXPECT_EQ(FensterSchluss(f.bytes), installer.Schluss);
    EXPECT_EQ(Fenster(f.bytes), installer.Fenster);
    const TZQProgramm programm = ProgrammLesen(f.bytes);
    EXPECT_TRUE(programm.Gueltig);
    EXPECT_LE(programm.BildEnde, f.bytes.size());
  }
}

}  // namespace
