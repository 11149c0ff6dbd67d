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
    menue_ = Menue("ZQe2e Zweit " + std::string(
        ::testing::UnitTest::GetInstance()->current_test_info()->name()).substr(0, 12));
    ziel_ = Ordner() + "ziel\\";
    SetupAblegen(Block({"#n=ZQe2e Zweit", "#z=" + Ordner() + "ziel", "#m=15",
                        "#d=Prog.exe," + menue_}));
    Programmdatei("Prog.exe");
  }

  // The first run: copy into the proposed folder, tick the desktop and the files' menu, quit.
  void ErsteInstallation() {
    Installer& s = Starten();
    ASSERT_TRUE(s.Bereit());
    ErwarteSeite(s, "PaPfad", 2, "");
    EXPECT_EQ(s.Text("EdVerz"), ziel_);
    ASSERT_TRUE(Kopieren(s).fertig);
    ErwarteSeite(s, "PaChecks", 3, ziel_);
    s.Klicken("CheDesktop");
    s.Klicken("CheExplorerD");
    ASSERT_TRUE(WartenBis([&] { return DateiDa(DesktopLink(menue_)) && SchluesselDa(DateiVerb(menue_)); }))
        << ::testing::PrintToString(VorhandeneEintraege(menue_));
    ASSERT_TRUE(s.Beenden());
    ASSERT_TRUE(DateiDa(ziel_ + "Prog.exe"));
  }

  // The second start, from the original folder, finds it: step 1, the copied folder as target.
  Installer& ZweiterStartFindetSie() {
    Installer& s = Starten();
    EXPECT_TRUE(s.Bereit());
    if (!s.Bereit()) return s;
    ErwarteSeite(s, "PaIstSchonDa", 1, ziel_);
    EXPECT_EQ(s.Text("LaIstSchonDa"),
              "Eine alte Installation ist schon vorhanden.\r\n\r\n"
              "Frage: Was soll mit der vorhandenen Installation gemacht werden?");
    EXPECT_EQ(Boxen(s), (std::vector<int>{1, 0, 0, 0, 1}));
    return s;
  }

  std::string menue_;
  std::string ziel_;
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
  ErwarteSeite(s, "PaPfad", 2, "");
  EXPECT_EQ(Boxen(s), kAlleLeer);
  EXPECT_EQ(VorhandeneEintraege(menue_), std::vector<std::string>{});

  // Made anew, this time in place.
  s.Klicken("BuNichtKopieren");
  ErwarteSeite(s, "PaChecks", 3, Ordner());
  s.Klicken("CheDesktop");
  EXPECT_TRUE(WartenBis([&] { return DateiDa(DesktopLink(menue_)); }));
  EXPECT_EQ(LinkZiel(DesktopLink(menue_)).value_or("(none)"), Ordner() + "Prog.exe");
  EXPECT_TRUE(s.Beenden());
}

TEST_F(ZweiterStart, EntferntDieInstallation) {
  ASSERT_NO_FATAL_FAILURE(ErsteInstallation());
  Installer& s = ZweiterStartFindetSie();
  ASSERT_TRUE(s.Bereit());

  s.Klicken("BuEntfernen");
  ErwarteSeite(s, "PaLeer", 3, "");
  EXPECT_EQ(s.Text("LaLeer"), "Fertig.");
  EXPECT_EQ(Boxen(s), kAlleLeer);
  EXPECT_EQ(VorhandeneEintraege(menue_), std::vector<std::string>{});
  ASSERT_TRUE(s.Beenden());

  Installer& dritter = Starten();
  ASSERT_TRUE(dritter.Bereit());
  ErwarteSeite(dritter, "PaPfad", 2, "");
  EXPECT_TRUE(dritter.Beenden());
}

// Two files with menu texts, entries only for the first: the probe shows the last file's state,
// yet removing must take every entry of every file with a menu text and leave all boxes cleared.
class ZweiDateien : public Fall {
 protected:
  void SetUp() override {
    Fall::SetUp();
    if (HasFatalFailure()) return;
    const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    erste_ = Menue("ZQe2e Eins " + name.substr(0, 10));
    zweite_ = Menue("ZQe2e Zwei " + name.substr(0, 10));
    alt_ = Ordner() + "alt\\";
    SetupAblegen(Block({"#n=ZQe2e Zwei Dateien", "#z=P", "#m=12345", "#d=Eins.exe," + erste_,
                        "#d=Zwei.exe," + zweite_}));
    Programmdatei("Eins.exe");
    Programmdatei("Zwei.exe");
    // The first file's entries, as an earlier run into the folder alt\ left them.
    ASSERT_TRUE(OrdnerMachen(alt_));
    ASSERT_TRUE(DateiSchreiben(alt_ + "Eins.exe", "alt"));
    ASSERT_TRUE(DateiSchreiben(alt_ + "Zwei.exe", "alt"));
    ASSERT_TRUE(LinkAnlegen(DesktopLink(erste_), alt_ + "Eins.exe"));
    ASSERT_TRUE(VerbAnlegen(DateiVerb(erste_), "\"" + alt_ + "Eins.exe\" \"%1\""));
  }

  std::string erste_;
  std::string zweite_;
  std::string alt_;
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
  ASSERT_NE(gg, nullptr) << "the diagnostics window did not open";
  MausKlick(gg, Installer::TeilVon(gg, "ChePanelIstSchonDa"));
  EXPECT_TRUE(WartenBis([&] { return s.Sichtbar("PaIstSchonDa"); }));
  // The close box.
  ::PostMessageA(gg, WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(s.DiagnosefensterZu());
  ASSERT_TRUE(WartenBis([&] { return ::IsWindowEnabled(s.Hauptfenster()) != FALSE; }));

  s.Klicken("BuEntfernen");
  ErwarteSeite(s, "PaLeer", 3, "");
  EXPECT_EQ(Boxen(s), kAlleLeer);
  EXPECT_EQ(VorhandeneEintraege(erste_), std::vector<std::string>{});
  EXPECT_EQ(VorhandeneEintraege(zweite_), std::vector<std::string>{});
  EXPECT_TRUE(s.Beenden());
}

TEST_F(ZweiDateien, NeuMachenNimmtDieEintraegeDerErstenDatei) {
  // A start-menu entry of the second file leads to the existing-installation page.
  ASSERT_TRUE(LinkAnlegen(StartMenueLink(zweite_), alt_ + "Zwei.exe"));
  Installer& s = Starten();
  ASSERT_TRUE(s.Bereit());
  ErwarteSeite(s, "PaIstSchonDa", 1, alt_);
  EXPECT_EQ(Boxen(s), (std::vector<int>{0, 1, 0, 0, 0}));

  s.Klicken("BuEntfUndNeu");
  ErwarteSeite(s, "PaPfad", 2, "");
  EXPECT_EQ(Boxen(s), kAlleLeer);
  EXPECT_EQ(VorhandeneEintraege(erste_), std::vector<std::string>{});
  EXPECT_EQ(VorhandeneEintraege(zweite_), std::vector<std::string>{});
  EXPECT_TRUE(s.Beenden());
}

}  // namespace
}  // namespace e2e
