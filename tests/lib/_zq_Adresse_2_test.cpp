#include "lib/_zq_Adresse_2.h"

#include <gtest/gtest.h>

TEST(AdresseZerlegen, SplitsIntoFolderNameDotAndExtension) {
  struct Fall {
    const char* pfad;
    const char* verzeichnis;
    const char* name;
    const char* punkt;
    const char* endung;
    const char* dateiName;
  };
  const Fall faelle[] = {
      {"C:\\A\\b.exe", "C:\\A\\", "b", ".", "exe", "b.exe"},
      {"C:\\A\\", "C:\\A\\", "", "", "", ""},
      {"C:\\A", "C:\\", "A", "", "", "A"},
      {"b.tar.gz", "", "b.tar", ".", "gz", "b.tar.gz"},
      {"C:\\A.x\\b", "C:\\A.x\\", "b", "", "", "b"},
      {"C:\\A\\.cfg", "C:\\A\\", "", ".", "cfg", ".cfg"},
      {"C:\\A\\b.", "C:\\A\\", "b", ".", "", "b."},
      {"\\\\srv\\share\\x.lnk", "\\\\srv\\share\\", "x", ".", "lnk", "x.lnk"},
      {"", "", "", "", "", ""},
      {"C:/A/b.txt", "", "C:/A/b", ".", "txt", "C:/A/b.txt"},
      {"D:\\Menü\\Über.lnk", "D:\\Menü\\", "Über", ".", "lnk", "Über.lnk"},
  };
  for (const Fall& f : faelle) {
    std::string verzeichnis = "x", name = "x", punkt = "x", endung = "x";
    AdresseZerlegen(f.pfad, verzeichnis, name, punkt, endung);
    EXPECT_EQ(verzeichnis, f.verzeichnis) << f.pfad;
    EXPECT_EQ(name, f.name) << f.pfad;
    EXPECT_EQ(punkt, f.punkt) << f.pfad;
    EXPECT_EQ(endung, f.endung) << f.pfad;
    EXPECT_EQ(verzeichnis + name + punkt + endung, f.pfad);

    EXPECT_EQ(AdresseVerzeichnis(f.pfad), f.verzeichnis) << f.pfad;
    EXPECT_EQ(AdresseDateiName(f.pfad), f.dateiName) << f.pfad;
    std::string teilVerzeichnis = "x", teilName = "x";
    AdresseTeilen(f.pfad, teilVerzeichnis, teilName);
    EXPECT_EQ(teilVerzeichnis, f.verzeichnis) << f.pfad;
    EXPECT_EQ(teilName, f.dateiName) << f.pfad;
  }
}

TEST(AdresseLaufwerk, BackslashRulesAndDriveRoot) {
  struct Fall {
    const char* pfad;
    const char* ohne;
    const char* mit;
    const char* laufwerk;
  };
  const Fall faelle[] = {
      {"C:\\A", "C:\\A", "C:\\A\\", "C:\\"},
      {"C:\\A\\\\\\", "C:\\A", "C:\\A\\", "C:\\"},
      {"C:", "C:", "C:\\", "C:\\"},
      {"C:\\", "C:", "C:\\", "C:\\"},
      {"\\\\srv\\share\\x", "\\\\srv\\share\\x", "\\\\srv\\share\\x\\", "\\\\srv\\share\\"},
      {"\\\\srv", "\\\\srv", "\\\\srv\\", "\\\\srv\\"},
      {"b.exe", "b.exe", "b.exe\\", ""},
      {"", "", "\\", ""},
      {"\\\\\\", "", "\\", "\\\\\\"},
      {"\\\\srv\\", "\\\\srv", "\\\\srv\\", "\\\\srv\\"},
      {"\\\\srv\\share\\x.lnk", "\\\\srv\\share\\x.lnk", "\\\\srv\\share\\x.lnk\\", "\\\\srv\\share\\"},
      {"\\A\\b", "\\A\\b", "\\A\\b\\", ""},
      {"A\\b\\", "A\\b", "A\\b\\", ""},
  };
  for (const Fall& f : faelle) {
    EXPECT_EQ(OhneEndBackslash(f.pfad), f.ohne) << f.pfad;
    EXPECT_EQ(MitEndBackslash(f.pfad), f.mit) << f.pfad;
    EXPECT_EQ(AdresseLaufwerk(f.pfad), f.laufwerk) << f.pfad;
  }
}
