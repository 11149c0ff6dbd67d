// Reading the configuration of this test program: its side file beside it, as the installer reads
// Setup.INI beside Setup.exe.
#include <cstdio>

#include <gtest/gtest.h>

#include "forms/_Form_Anfang.h"
#include "install/_subs.h"
#include "lib/_zq_Adresse_2.h"
#include "platform/Application.h"
#include "platform/Process.h"
#include "platform/ShellLink.h"
#include "tests/support/Automation.h"

namespace {

using platform::CheckState;

class Konfiguration : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { platform::ComInitialize(); }

  void SetUp() override {
    exe = platform::ModuleFileName();
    ExePfad = AdresseVerzeichnis(exe);
    seitenDatei = exe.substr(0, exe.size() - 3) + L"INI";
  }
  void TearDown() override {
    for (const std::wstring& datei : gemacht) AdresseLoeschen(datei, false);
    Dateien.assign(1, TZQDateienInfo{});
    ZielOrt.clear();
  }

  void Schreiben(const std::wstring& pfad, const std::string& inhalt) {
    std::FILE* f = _wfopen(pfad.c_str(), L"wb");
    ASSERT_NE(f, nullptr) << pfad;
    std::fwrite(inhalt.data(), 1, inhalt.size(), f);
    std::fclose(f);
    gemacht.push_back(pfad);
  }

  // The start button's bevel as painted: its top-left pixel is the light edge of a raised one and
  // the dark edge of a lowered one.
  std::uint32_t StartKnopfEcke() { return automation::PrintedPixel(fenster.PaStart3.Handle(), 0, 0); }
  static std::uint32_t Systemfarbe(int index) {
    const COLORREF c = ::GetSysColor(index);
    return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
  }
  void Block(const std::string& zeilen) { Schreiben(seitenDatei, "Codierung:\r\n#ZQ1#\r\n" + zeilen + "#ZQ1#\r\n"); }

  std::wstring exe, seitenDatei;
  std::vector<std::wstring> gemacht;
  Taa fenster;
};

}  // namespace

TEST_F(Konfiguration, ACompleteBlockPreparesTheWindowAndProbes) {
  Block("#n=mein Super-Programm\r\n#z=P\r\n#m=135\r\n#d=Meine Datei.txt,Mein Menü-Text\r\n");
  Schreiben(ExePfad + L"Meine Datei.txt", "x");

  EXPECT_EQ(InstallDatenLesen(), L"");
  EXPECT_EQ(fenster.LaFehler.Caption(), L"");
  EXPECT_EQ(fenster.EdVerz.Caption(), SpezialOrdner("p") + L"mein Super-Programm\\");
  EXPECT_EQ(ProgName, L"mein Super-Programm");
  EXPECT_EQ(fenster.Caption(), L"mein Super-Programm installieren");
  EXPECT_EQ(platform::ApplicationTitle(), L"mein Super-Programm installieren");

  EXPECT_TRUE(fenster.CheDesktop.Visible() && fenster.LaDesktop.Visible());
  EXPECT_FALSE(fenster.CheStart.Visible() || fenster.PaStart.Visible());
  EXPECT_EQ(StartKnopfEcke(), Systemfarbe(COLOR_BTNHIGHLIGHT)) << "raised";
  EXPECT_TRUE(fenster.CheSchnell.Visible() && fenster.LaSchnell.Visible() && fenster.ShaSchnell1.Visible() &&
              fenster.ShaSchnell2.Visible());
  EXPECT_FALSE(fenster.PaMausL.Visible());
  EXPECT_TRUE(fenster.PaMausR.Visible() && fenster.PaExplorer.Visible());
  EXPECT_EQ(fenster.LaNameR2.BackColor(), platform::Color::Highlight());
  EXPECT_EQ(fenster.LaNameR2.Font().color, platform::Color::HighlightText());
  EXPECT_EQ(fenster.LaNameL2.BackColor(), platform::Color::Window());

  ASSERT_EQ(Dateien.size(), 3u);
  EXPECT_EQ(Dateien[1].Datei, L"Meine Datei.txt");
  EXPECT_EQ(Dateien[1].Text, L"Mein Menü-Text");
  EXPECT_EQ(Dateien[2].Datei, AdresseDateiName(exe));
  EXPECT_EQ(Dateien[2].Text, L"");
  // The probe ran: nothing installed, every box cleared.
  for (platform::CheckBox* box : {&fenster.CheDesktop, &fenster.CheStart, &fenster.CheSchnell,
                                  &fenster.CheExplorerV, &fenster.CheExplorerD}) {
    EXPECT_EQ(box->State(), CheckState::Unchecked) << box->Caption();
  }
}

TEST_F(Konfiguration, MissingFilesAreListedOnceInTheFormOfTheirFirstLine) {
  Block("#n=x\r\n#z=C:\\Ziel\\\\\r\n#m=2\r\n#d=fehlt.txt,A\r\n#d=da.txt\r\n#d=FEHLT.TXT,B\r\n#?=auch.txt,C\r\n");
  Schreiben(ExePfad + L"da.txt", "x");
  const std::wstring erwartet =
      L"Die Installation ist nicht möglich.\r\n\r\nDiese Dateien sollen installiert werden:\r\n- fehlt.txt\r\n"
      L"- da.txt\r\n- " + AdresseDateiName(exe) + L"\r\n\r\nDiese Dateien fehlen:\r\n- fehlt.txt";
  EXPECT_EQ(InstallDatenLesen(), erwartet);
  EXPECT_EQ(fenster.LaFehler.Caption(), erwartet);
  EXPECT_EQ(fenster.EdVerz.Caption(), L"C:\\Ziel\\");
  EXPECT_EQ(StartKnopfEcke(), Systemfarbe(COLOR_BTNSHADOW)) << "lowered";
  // Both lines stay files to install; the boxes were never probed.
  EXPECT_EQ(Dateien.size(), 5u);
  EXPECT_EQ(fenster.CheStart.State(), CheckState::Grayed);
}

TEST_F(Konfiguration, ASideFileWithoutABlockReportsEverySetting) {
  Schreiben(seitenDatei, "kein Block");
  const std::wstring erwartet =
      L"Die Installation ist nicht möglich.\r\n\r\nDas Installations-Programm enthält falsche Daten für:\r\n"
      L"- Programm-Name\r\n- Programm-Dateien\r\n- Ziel-Pfad\r\n- Menüs";
  EXPECT_EQ(InstallDatenLesen(), erwartet);
  EXPECT_EQ(ProgName, L"?");
  EXPECT_EQ(fenster.Caption(), L"? installieren");
  EXPECT_EQ(Dateien.size(), 1u);
  EXPECT_EQ(fenster.CheDesktop.State(), CheckState::Grayed);
  EXPECT_TRUE(fenster.CheDesktop.Visible());
}

TEST_F(Konfiguration, WithoutASideFileTheExecutableItselfIsRead) {
  // This test program carries no block at its end.
  EXPECT_NE(InstallDatenLesen().find(L"- Programm-Name"), std::wstring::npos);
}

TEST_F(Konfiguration, FolderCodesAreCaseInsensitive) {
  Block("#N=Prog\r\n#Z=w\r\n#M=\r\n#D=a.txt,A\r\n");
  Schreiben(ExePfad + L"a.txt", "x");
  EXPECT_EQ(InstallDatenLesen(), L"");
  EXPECT_EQ(fenster.EdVerz.Caption(), SpezialOrdner("w"));
  Block("#n=Prog\r\n#z=d\r\n#m=4\r\n#d=a.txt,A\r\n");
  EXPECT_EQ(InstallDatenLesen(), L"");
  EXPECT_EQ(fenster.EdVerz.Caption(), SpezialOrdner("a") + L"Prog\\");
  EXPECT_TRUE(fenster.PaMausL.Visible() && fenster.PaExplorer.Visible());
  Block("#n=Prog\r\n#z=\r\n#m=4\r\n#d=a.txt,A\r\n");
  InstallDatenLesen();
  EXPECT_EQ(fenster.EdVerz.Caption(), L"\\");
}

TEST_F(Konfiguration, EveryMenuLineIsAppliedInTurn) {
  Schreiben(ExePfad + L"a.txt", "x");
  // The visibilities of the last line win; a panel that an earlier line showed keeps its colours.
  Block("#n=Prog\r\n#z=w\r\n#m=4\r\n#d=a.txt,A\r\n#m=5\r\n");
  EXPECT_EQ(InstallDatenLesen(), L"");
  EXPECT_FALSE(fenster.PaMausL.Visible());
  EXPECT_TRUE(fenster.PaMausR.Visible() && fenster.PaExplorer.Visible());
  for (platform::Label* name : {&fenster.LaNameL2, &fenster.LaNameR2}) {
    EXPECT_EQ(name->BackColor(), platform::Color::Highlight()) << name->Caption();
    EXPECT_EQ(name->Font().color, platform::Color::HighlightText()) << name->Caption();
  }

  Block("#n=Prog\r\n#z=w\r\n#m=1245\r\n#d=a.txt,A\r\n#m=3\r\n");
  EXPECT_EQ(InstallDatenLesen(), L"");
  EXPECT_FALSE(fenster.CheDesktop.Visible() || fenster.LaDesktop.Visible());
  EXPECT_FALSE(fenster.CheStart.Visible() || fenster.PaStart.Visible());
  EXPECT_EQ(StartKnopfEcke(), Systemfarbe(COLOR_BTNHIGHLIGHT)) << "raised";
  EXPECT_TRUE(fenster.CheSchnell.Visible());
  EXPECT_FALSE(fenster.PaMausL.Visible() || fenster.PaMausR.Visible() || fenster.PaExplorer.Visible());
}
