#include "lib/_zq_Adresse_2.h"

#include <gtest/gtest.h>

TEST(AdresseZerlegen, SplitsIntoFolderNameDotAndExtension) {
  struct Fall {
    const wchar_t* pfad;
    const wchar_t* verzeichnis;
    const wchar_t* name;
    const wchar_t* punkt;
    const wchar_t* endung;
    const wchar_t* dateiName;
  };
  const Fall faelle[] = {
      {L"C:\\A\\b.exe", L"C:\\A\\", L"b", L".", L"exe", L"b.exe"},
      {L"C:\\A\\", L"C:\\A\\", L"", L"", L"", L""},
      {L"C:\\A", L"C:\\", L"A", L"", L"", L"A"},
      {L"b.tar.gz", L"", L"b.tar", L".", L"gz", L"b.tar.gz"},
      {L"C:\\A.x\\b", L"C:\\A.x\\", L"b", L"", L"", L"b"},
      {L"C:\\A\\.cfg", L"C:\\A\\", L"", L".", L"cfg", L".cfg"},
      {L"C:\\A\\b.", L"C:\\A\\", L"b", L".", L"", L"b."},
      {L"\\\\srv\\share\\x.lnk", L"\\\\srv\\share\\", L"x", L".", L"lnk", L"x.lnk"},
      {L"", L"", L"", L"", L"", L""},
      {L"C:/A/b.txt", L"", L"C:/A/b", L".", L"txt", L"C:/A/b.txt"},
      {L"D:\\Menü\\Über.lnk", L"D:\\Menü\\", L"Über", L".", L"lnk", L"Über.lnk"},
      // Names of any script, one character beyond the 16-bit plane among them.
      {L"C:\\\u0141\u00f3d\u017a \u2713\\\u65b0\u5efa \U0001F600.\u03a9", L"C:\\\u0141\u00f3d\u017a \u2713\\",
       L"\u65b0\u5efa \U0001F600", L".", L"\u03a9", L"\u65b0\u5efa \U0001F600.\u03a9"},
  };
  for (const Fall& f : faelle) {
    std::wstring verzeichnis = L"x", name = L"x", punkt = L"x", endung = L"x";
    AdresseZerlegen(f.pfad, verzeichnis, name, punkt, endung);
    EXPECT_EQ(verzeichnis, f.verzeichnis) << f.pfad;
    EXPECT_EQ(name, f.name) << f.pfad;
    EXPECT_EQ(punkt, f.punkt) << f.pfad;
    EXPECT_EQ(endung, f.endung) << f.pfad;
    EXPECT_EQ(verzeichnis + name + punkt + endung, f.pfad);

    EXPECT_EQ(AdresseVerzeichnis(f.pfad), f.verzeichnis) << f.pfad;
    EXPECT_EQ(AdresseDateiName(f.pfad), f.dateiName) << f.pfad;
    std::wstring teilVerzeichnis = L"x", teilName = L"x";
    AdresseTeilen(f.pfad, teilVerzeichnis, teilName);
    EXPECT_EQ(teilVerzeichnis, f.verzeichnis) << f.pfad;
    EXPECT_EQ(teilName, f.dateiName) << f.pfad;
  }
}

TEST(AdresseLaufwerk, BackslashRulesAndDriveRoot) {
  struct Fall {
    const wchar_t* pfad;
    const wchar_t* ohne;
    const wchar_t* mit;
    const wchar_t* laufwerk;
  };
  const Fall faelle[] = {
      {L"C:\\A", L"C:\\A", L"C:\\A\\", L"C:\\"},
      {L"C:\\A\\\\\\", L"C:\\A", L"C:\\A\\", L"C:\\"},
      {L"C:", L"C:", L"C:\\", L"C:\\"},
      {L"C:\\", L"C:", L"C:\\", L"C:\\"},
      {L"\\\\srv\\share\\x", L"\\\\srv\\share\\x", L"\\\\srv\\share\\x\\", L"\\\\srv\\share\\"},
      {L"\\\\srv", L"\\\\srv", L"\\\\srv\\", L"\\\\srv\\"},
      {L"b.exe", L"b.exe", L"b.exe\\", L""},
      {L"", L"", L"\\", L""},
      {L"\\\\\\", L"", L"\\", L"\\\\\\"},
      {L"\\\\srv\\", L"\\\\srv", L"\\\\srv\\", L"\\\\srv\\"},
      {L"\\\\srv\\share\\x.lnk", L"\\\\srv\\share\\x.lnk", L"\\\\srv\\share\\x.lnk\\", L"\\\\srv\\share\\"},
      {L"\\A\\b", L"\\A\\b", L"\\A\\b\\", L""},
      {L"A\\b\\", L"A\\b", L"A\\b\\", L""},
  };
  for (const Fall& f : faelle) {
    EXPECT_EQ(OhneEndBackslash(f.pfad), f.ohne) << f.pfad;
    EXPECT_EQ(MitEndBackslash(f.pfad), f.mit) << f.pfad;
    EXPECT_EQ(AdresseLaufwerk(f.pfad), f.laufwerk) << f.pfad;
  }
}
