// A later start of the installer: it recognises an earlier installation from its shortcuts and verb
// keys alone, reads its folder back from them, and changes, renews or removes it.
#include <string>
#include <vector>

#include "tests/e2e/Fall.h"

namespace e2e {
namespace {

const std::vector<int> kAlleLeer = {0, 0, 0, 0, 0};

class ZweiterStart : public Fall {
 protected:
  void SetUp() override {
    Fall::SetUp();
    if (HasFatalFailure()) return;
    menue_ = Menue(L"ZQe2e Zweit " + Fallname(12));
    ziel_ = Ordner() + L"ziel\\";
    SetupAblegen(Block({L"#n=ZQe2e Zweit", L"#z=" + Ordner() + L"ziel", L"#m=15",
                        L"#d=Prog.exe," + menue_}));
    Programmdatei(L"Prog.exe");
  }

  // The first run: copy into the proposed folder, tick the desktop and the files' menu, quit.
  void ErsteInstallation() {
    Installer& s = Starten();
    ASSERT_TRUE(s.Bereit());
    ErwarteSeite(s, "PaPfad", 2, L"");
    EXPECT_EQ(s.Text("EdVerz"), ziel_);
    ASSERT_TRUE(Kopieren(s).fertig);
    ErwarteSeite(s, "PaChecks", 3, ziel_);
    s.Klicken("CheDesktop");
    s.Klicken("CheExplorerD");
    ASSERT_TRUE(WartenBis([&] { return DateiDa(DesktopLink(menue_)) && SchluesselDa(DateiVerb(menue_)); }))
        << ::testing::PrintToString(VorhandeneEintraege(menue_));
    ASSERT_TRUE(s.Beenden());
    ASSERT_TRUE(DateiDa(ziel_ + L"Prog.exe"));
  }

  // The second start, from the original folder, finds it: step 1, the copied folder as target.
  Installer& ZweiterStartFindetSie() {
    Installer& s = Starten();
    EXPECT_TRUE(s.Bereit());
    if (!s.Bereit()) return s;
    ErwarteSeite(s, "PaIstSchonDa", 1, ziel_);
    EXPECT_EQ(s.Text("LaIstSchonDa"),
              L"Eine alte Installation ist schon vorhanden.\r\n\r\n"
              L"Frage: Was soll mit der vorhandenen Installation gemacht werden?");
    EXPECT_EQ(Boxen(s), (std::vector<int>{1, 0, 0, 0, 1}));
    return s;
  }

  std::wstring menue_;
  std::wstring ziel_;
};

TEST_F(ZweiterStart, FindetDieInstallationUndAendertSie) {
  ASSERT_NO_FATAL_FAILURE(ErsteInstallation());
  Installer& s = ZweiterStartFindetSie();
  ASSERT_TRUE(s.Bereit());

  s.Klicken("BuBehalten");
  ErwarteSeite(s, "PaChecks", 3, ziel_);
  EXPECT_EQ(Boxen(s), (std::vector<int>{1, 0, 0, 0, 1}));
  s.Klicken("CheDesktop");
  EXPECT_TRUE(WartenBis([&] { return !DateiDa(DesktopLink(menue_)); }));
  EXPECT_TRUE(SchluesselDa(DateiVerb(menue_)));
  ASSERT_TRUE(s.Beenden());

  // The verb alone still marks the installation, and still tells its folder.
  Installer& dritter = Starten();
  ASSERT_TRUE(dritter.Bereit());
  ErwarteSeite(dritter, "PaIstSchonDa", 1, ziel_);
  EXPECT_EQ(Boxen(dritter), (std::vector<int>{0, 0, 0, 0, 1}));
  EXPECT_TRUE(dritter.Beenden());
}

TEST_F(ZweiterStart, MachtDieInstallationNeu) {
  ASSERT_NO_FATAL_FAILURE(ErsteInstallation());
  Installer& s = ZweiterStartFindetSie();
  ASSERT_TRUE(s.Bereit());

  s.Klicken("BuEntfUndNeu");
  ErwarteSeite(s, "PaPfad", 2, L"");
  EXPECT_EQ(Boxen(s), kAlleLeer);
  EXPECT_EQ(VorhandeneEintraege(menue_), std::vector<std::wstring>{});

  // Made anew, this time in place.
  s.Klicken("BuNichtKopieren");
  ErwarteSeite(s, "PaChecks", 3, Ordner());
  s.Klicken("CheDesktop");
  EXPECT_TRUE(WartenBis([&] { return DateiDa(DesktopLink(menue_)); }));
  EXPECT_EQ(LinkZiel(DesktopLink(menue_)).value_or(L"(none)"), Ordner() + L"Prog.exe");
  EXPECT_TRUE(s.Beenden());
}

TEST_F(ZweiterStart, EntferntDieInstallation) {
  ASSERT_NO_FATAL_FAILURE(ErsteInstallation());
  Installer& s = ZweiterStartFindetSie();
  ASSERT_TRUE(s.Bereit());

  s.Klicken("BuEntfernen");
  ErwarteSeite(s, "PaLeer", 3, L"");
  EXPECT_EQ(s.Text("LaLeer"), L"Fertig.");
  EXPECT_EQ(Boxen(s), kAlleLeer);
  EXPECT_EQ(VorhandeneEintraege(menue_), std::vector<std::wstring>{});
  ASSERT_TRUE(s.Beenden());

  Installer& dritter = Starten();
  ASSERT_TRUE(dritter.Bereit());
  ErwarteSeite(dritter, "PaPfad", 2, L"");
  EXPECT_TRUE(dritter.Beenden());
}

// Two files with menu texts, entries only for the first: the probe shows the last file's state,
// yet removing must take every entry of every file with a menu text and leave all boxes cleared.
class ZweiDateien : public Fall {
 protected:
  void SetUp() override {
    Fall::SetUp();
    if (HasFatalFailure()) return;
    erste_ = Menue(L"ZQe2e Eins " + Fallname(10));
    zweite_ = Menue(L"ZQe2e Zwei " + Fallname(10));
    alt_ = Ordner() + L"alt\\";
    SetupAblegen(Block({L"#n=ZQe2e Zwei Dateien", L"#z=P", L"#m=12345", L"#d=Eins.exe," + erste_,
                        L"#d=Zwei.exe," + zweite_}));
    Programmdatei(L"Eins.exe");
    Programmdatei(L"Zwei.exe");
    // The first file's entries, as an earlier run into the folder alt\ left them.
    ASSERT_TRUE(OrdnerMachen(alt_));
    ASSERT_TRUE(DateiSchreiben(alt_ + L"Eins.exe", "alt"));
    ASSERT_TRUE(DateiSchreiben(alt_ + L"Zwei.exe", "alt"));
    ASSERT_TRUE(LinkAnlegen(DesktopLink(erste_), alt_ + L"Eins.exe"));
    ASSERT_TRUE(VerbAnlegen(DateiVerb(erste_), L"\"" + alt_ + L"Eins.exe\" \"%1\""));
  }

  std::wstring erste_;
  std::wstring zweite_;
  std::wstring alt_;
};

TEST_F(ZweiDateien, EntfernenNimmtDieEintraegeDerErstenDatei) {
  Installer& s = Starten();
  ASSERT_TRUE(s.Bereit());
  // Nothing for the last file, so no box is ticked and the wizard starts on the path page; the
  // folder was still read from the first file's entries.
  ErwarteSeite(s, "PaPfad", 2, alt_);
  EXPECT_EQ(Boxen(s), kAlleLeer);

  // The existing-installation page through the diagnostics window's page box.
  s.Druecken({'J', 'X'}, kStrgAltUmschalt);
  HWND gg = s.Diagnosefenster(10000);
  ASSERT_NE(gg, nullptr) << L"the diagnostics window did not open";
  MausKlick(gg, Installer::TeilVon(gg, "ChePanelIstSchonDa"));
  EXPECT_TRUE(WartenBis([&] { return s.Sichtbar("PaIstSchonDa"); }));
  // The close box.
  ::PostMessageA(gg, WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(s.DiagnosefensterZu());
  ASSERT_TRUE(WartenBis([&] { return ::IsWindowEnabled(s.Hauptfenster()) != FALSE; }));

  s.Klicken("BuEntfernen");
  ErwarteSeite(s, "PaLeer", 3, L"");
  EXPECT_EQ(Boxen(s), kAlleLeer);
  EXPECT_EQ(VorhandeneEintraege(erste_), std::vector<std::wstring>{});
  EXPECT_EQ(VorhandeneEintraege(zweite_), std::vector<std::wstring>{});
  EXPECT_TRUE(s.Beenden());
}

TEST_F(ZweiDateien, NeuMachenNimmtDieEintraegeDerErstenDatei) {
  // A start-menu entry of the second file leads to the existing-installation page.
  ASSERT_TRUE(LinkAnlegen(StartMenueLink(zweite_), alt_ + L"Zwei.exe"));
  Installer& s = Starten();
  ASSERT_TRUE(s.Bereit());
  ErwarteSeite(s, "PaIstSchonDa", 1, alt_);
  EXPECT_EQ(Boxen(s), (std::vector<int>{0, 1, 0, 0, 0}));

  s.Klicken("BuEntfUndNeu");
  ErwarteSeite(s, "PaPfad", 2, L"");
  EXPECT_EQ(Boxen(s), kAlleLeer);
  EXPECT_EQ(VorhandeneEintraege(erste_), std::vector<std::wstring>{});
  EXPECT_EQ(VorhandeneEintraege(zweite_), std::vector<std::wstring>{});
  EXPECT_TRUE(s.Beenden());
}

}  // namespace
}  // namespace e2e
