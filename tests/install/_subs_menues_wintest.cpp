// The menu locations against Wine's real registry and real shortcut files.
#include <filesystem>
#include <thread>

#include <gtest/gtest.h>

#include "forms/_Form_Anfang.h"
#include "install/_subs.h"
#include "lib/_zq_Adresse_2.h"
#include "platform/Registry.h"
#include "platform/ShellLink.h"
#include "tests/support/Fenster.h"

namespace {

using platform::CheckState;

TZQDateienInfo Datei(const std::string& name, const std::string& text, std::vector<std::string> parameter = {}) {
  TZQDateienInfo d{name, text, {""}};
  d.Parameter.insert(d.Parameter.end(), parameter.begin(), parameter.end());
  return d;
}

std::string LinkZiel(const std::string& link) {
  platform::ShellLink l;
  std::string ziel;
  if (l.Create() == 0 && l.Load(link) == 0) l.GetPath(ziel);
  return ziel;
}

std::string Befehl(const std::string& schluessel) {
  platform::ClassesRootKey key;
  std::string text;
  if (key.Open(schluessel + "\\command", platform::kKeyRead) == 0) key.ReadDefault(text);
  return text;
}

// A main window, the state of one installation, and nothing left behind of its menu texts.
class Menues : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { platform::ComInitialize(); }

  void SetUp() override {
    // A fresh prefix has no quick-launch folder; the systems the installer serves do.
    std::filesystem::create_directories(SpezialOrdner("3"));
    Dateien.assign(1, TZQDateienInfo{});
    ZielOrt.clear();
    Aufraeumen();
  }
  void TearDown() override {
    Aufraeumen();
    Dateien.assign(1, TZQDateienInfo{});
    ZielOrt.clear();
  }

  void Aufraeumen() {
    for (const std::string& text : texte) {
      for (const char* ordner : {"1", "2", "3"}) AdresseLoeschen(SpezialOrdner(ordner) + text + ".lnk", false);
      for (const char* wurzel : {"*", "Drive", "Folder"}) {
        platform::ClassesRootDeleteTree(std::string(wurzel) + "\\shell\\" + text + " ...");
      }
    }
  }

  void Anwenden(platform::CheckBox& box, bool angehakt) {
    fenster.Show();
    box.SetChecked(angehakt);
    MacheCheck(&box);
  }
  void Pruefen() {
    fenster.SetVisible(false);
    for (platform::CheckBox* box : Boxen()) box->SetState(CheckState::Grayed);
    MacheCheck();
  }
  std::vector<platform::CheckBox*> Boxen() {
    return {&aa->CheDesktop, &aa->CheStart, &aa->CheSchnell, &aa->CheExplorerV, &aa->CheExplorerD};
  }

  const std::vector<std::string> texte = {"zq Menü A", "zq Menü B"};
  Taa fenster;
};

}  // namespace

TEST_F(Menues, EveryLocationIsMadeFoundAndRemoved) {
  const std::string ordner = "C:\\Programme\\Zählwerk\\";
  for (platform::CheckBox* box : Boxen()) {
    SCOPED_TRACE(box->Name());
    Dateien = {{}, Datei("zw.exe", texte[0])};
    ZielOrt = ordner;
    Anwenden(*box, true);
    ZielOrt.clear();
    Pruefen();
    for (platform::CheckBox* andere : Boxen()) {
      EXPECT_EQ(andere->State(), andere == box ? CheckState::Checked : CheckState::Unchecked) << andere->Name();
    }
    EXPECT_EQ(ZielOrt, ordner);

    ZielOrt = ordner;
    Anwenden(*box, false);
    ZielOrt.clear();
    Pruefen();
    for (platform::CheckBox* andere : Boxen()) EXPECT_EQ(andere->State(), CheckState::Unchecked) << andere->Name();
    EXPECT_EQ(ZielOrt, "");
  }
}

TEST_F(Menues, EntriesHaveTheirNamesTargetsAndCommandLines) {
  Dateien = {{}, Datei("x.exe", texte[0], {"a", " b c ", "C:\\d"}), Datei("ohne.txt", ""), Datei("y.exe", texte[1])};
  ZielOrt = "C:\\Prog";
  for (platform::CheckBox* box : Boxen()) Anwenden(*box, true);

  EXPECT_EQ(LinkZiel(SpezialOrdner("1") + texte[0] + ".lnk"), "C:\\Prog\\x.exe");
  EXPECT_EQ(LinkZiel(SpezialOrdner("2") + texte[1] + ".lnk"), "C:\\Prog\\y.exe");
  EXPECT_EQ(LinkZiel(SpezialOrdner("3") + texte[0] + ".lnk"), "C:\\Prog\\x.exe");
  EXPECT_FALSE(DateiExistiert(SpezialOrdner("1") + ".lnk"));
  const std::string befehl = "\"C:\\Prog\\x.exe\" \"a\" \" b c \" \"C:\\d\" \"%1\"";
  EXPECT_EQ(Befehl("*\\shell\\" + texte[0] + " ..."), befehl);
  EXPECT_EQ(Befehl("Drive\\shell\\" + texte[0] + " ..."), befehl);
  EXPECT_EQ(Befehl("Folder\\shell\\" + texte[0] + " ..."), befehl);
  EXPECT_EQ(Befehl("*\\shell\\" + texte[1] + " ..."), "\"C:\\Prog\\y.exe\" \"%1\"");
}

TEST_F(Menues, TheProbeShowsTheLastFileAndTheLastDiscoveryWins) {
  Dateien = {{}, Datei("a.exe", texte[0]), Datei("b.exe", texte[1])};
  // Only the first file has a desktop shortcut; only the second a file verb.
  ZielOrt = "C:\\Erst\\";
  Anwenden(aa->CheDesktop, true);
  AdresseLoeschen(SpezialOrdner("1") + texte[1] + ".lnk", false);
  ZielOrt = "C:\\Zweit\\";
  Anwenden(aa->CheExplorerD, true);
  platform::ClassesRootDeleteTree("*\\shell\\" + texte[0] + " ...");

  ZielOrt.clear();
  Pruefen();
  EXPECT_EQ(aa->CheDesktop.State(), CheckState::Unchecked);
  EXPECT_EQ(aa->CheExplorerD.State(), CheckState::Checked);
  EXPECT_EQ(ZielOrt, "C:\\Zweit\\");
  EXPECT_TRUE(DateiExistiert(SpezialOrdner("1") + texte[0] + ".lnk"));
}

TEST_F(Menues, RemovingEverythingReachesEntriesThatTheBoxesDidNotShow) {
  Dateien = {{}, Datei("a.exe", texte[0]), Datei("b.exe", texte[1])};
  ZielOrt = "C:\\Erst\\";
  Anwenden(aa->CheDesktop, true);
  Anwenden(aa->CheExplorerD, true);
  AdresseLoeschen(SpezialOrdner("1") + texte[1] + ".lnk", false);
  platform::ClassesRootDeleteTree("*\\shell\\" + texte[1] + " ...");
  Pruefen();
  ASSERT_EQ(aa->CheDesktop.State(), CheckState::Unchecked);

  fenster.Show();
  // The boxes are cleared without their handler: each location is removed once, explicitly.
  int klicks = 0;
  auto klick = [&](platform::Control&) { ++klicks; };
  for (platform::CheckBox* box : Boxen()) box->OnClick = testfenster::An(klick);
  AlleEintraegeEntfernen();
  EXPECT_EQ(klicks, 0);
  for (platform::CheckBox* box : Boxen()) EXPECT_EQ(box->State(), CheckState::Unchecked) << box->Name();
  EXPECT_FALSE(DateiExistiert(SpezialOrdner("1") + texte[0] + ".lnk"));
  EXPECT_FALSE(platform::ClassesRootKeyExists("*\\shell\\" + texte[0] + " ..."));
}

TEST_F(Menues, MenuTextsThatAreNoPlainNamesAreNeitherMadeNorProbedNorRemoved) {
  // Another program's shortcut that the pattern "zq Neu?" would match, and a file outside the
  // desktop folder that "..\\" would reach.
  const std::string fremd = SpezialOrdner("1") + "zq NeuX.lnk";
  const std::string draussen = SpezialOrdner("1") + "..\\zq draussen.lnk";
  ASSERT_EQ(LinkZiel(fremd), "");
  {
    platform::ShellLink link;
    ASSERT_EQ(link.Create(), 0);
    link.SetPath("C:\\Fremd\\neu.exe");
    ASSERT_EQ(link.Save(fremd, false), 0);
    ASSERT_EQ(link.Save(draussen, false), 0);
  }
  Dateien = {{}, Datei("x.exe", "zq Neu?"), Datei("y.exe", "..\\zq draussen")};
  for (const char* text : {"zq a\\b", "zq a/b", "zq a:b", "zq a*", "zq a\"b", "zq a<b", "zq a>b", "zq a|b", "zq a\tb", ".", ".."}) {
    Dateien.push_back(Datei("z.exe", text));
  }
  ZielOrt = "C:\\Prog\\";
  Pruefen();
  for (platform::CheckBox* box : Boxen()) EXPECT_EQ(box->State(), CheckState::Unchecked) << box->Name();
  EXPECT_EQ(ZielOrt, "C:\\Prog\\") << "a foreign shortcut was taken for an earlier installation";

  for (platform::CheckBox* box : Boxen()) Anwenden(*box, true);
  EXPECT_FALSE(platform::ClassesRootKeyExists("*\\shell\\zq Neu? ..."));
  EXPECT_FALSE(platform::ClassesRootKeyExists("*\\shell\\zq a ..."));
  for (platform::CheckBox* box : Boxen()) Anwenden(*box, false);
  fenster.Show();
  AlleEintraegeEntfernen();
  EXPECT_EQ(LinkZiel(fremd), "C:\\Fremd\\neu.exe");
  EXPECT_EQ(LinkZiel(draussen), "C:\\Fremd\\neu.exe");
  AdresseLoeschen(fremd, false);
  AdresseLoeschen(draussen, false);
}

TEST_F(Menues, NoTargetNoVerbButAShortcutAllTheSame) {
  Dateien = {{}, Datei("x.exe", texte[0])};
  Anwenden(aa->CheExplorerV, true);
  Anwenden(aa->CheExplorerD, true);
  EXPECT_FALSE(platform::ClassesRootKeyExists("Drive\\shell\\" + texte[0] + " ..."));
  EXPECT_FALSE(platform::ClassesRootKeyExists("Folder\\shell\\" + texte[0] + " ..."));
  EXPECT_FALSE(platform::ClassesRootKeyExists("*\\shell\\" + texte[0] + " ..."));
  Anwenden(aa->CheDesktop, true);
  // The empty target folder becomes "\", the root of the current drive, as the shell resolves it.
  const std::string ziel = LinkZiel(SpezialOrdner("1") + texte[0] + ".lnk");
  EXPECT_EQ(ziel.substr(1), ":\\x.exe") << ziel;
}

TEST_F(Menues, TargetsOffADriveLetterAreFoundButNotTaken) {
  Dateien = {{}, Datei("x.exe", texte[0])};
  {
    platform::ClassesRootKey key;
    ASSERT_EQ(key.Create("*\\shell\\" + texte[0] + " ...\\command", platform::kKeyWrite), 0);
    key.WriteDefault("\"\\\\server\\freigabe\\x.exe\" \"%1\"");
  }
  ZielOrt = "\\\\server\\freigabe\\";
  Anwenden(aa->CheDesktop, true);
  ZielOrt = "C:\\Vorher\\";
  Pruefen();
  EXPECT_EQ(aa->CheExplorerD.State(), CheckState::Checked);
  EXPECT_EQ(aa->CheDesktop.State(), CheckState::Checked);
  EXPECT_EQ(ZielOrt, "C:\\Vorher\\");
}

TEST_F(Menues, FilesWithoutMenuTextsClearEveryBoxAndWriteNothing) {
  Dateien = {{}, Datei("x.exe", ""), Datei("y.exe", "")};
  ZielOrt = "C:\\Prog\\";
  for (platform::CheckBox* box : Boxen()) Anwenden(*box, true);
  EXPECT_FALSE(DateiExistiert(SpezialOrdner("1") + ".lnk"));
  EXPECT_FALSE(platform::ClassesRootKeyExists("*\\shell\\ ..."));
  Pruefen();
  for (platform::CheckBox* box : Boxen()) EXPECT_EQ(box->State(), CheckState::Unchecked) << box->Name();
}

TEST(Befehlszeilen, YieldTheFolderOnADriveLetter) {
  ZielOrt = "alt";
  BefehlZielLesen("\"C:\\Prog\\x.exe\" \"%1\"");
  EXPECT_EQ(ZielOrt, "C:\\Prog\\");
  // A backslash in a parameter ends the folder inside the parameters; it is still taken.
  BefehlZielLesen("\"C:\\Prog\\x.exe\" \"D:\\p\" \"%1\"");
  EXPECT_EQ(ZielOrt, "C:\\Prog\\x.exe\" \"D:\\");
  ZielOrt = "alt";
  BefehlZielLesen("x.exe \"%1\"");
  BefehlZielLesen("");
  EXPECT_EQ(ZielOrt, "alt");
  ZielOrt.clear();
}

TEST(LinkErstellen, WithoutTheComponentLibraryEndsTheActionWithTheSystemsText) {
  // A thread that never initialised the component-object library cannot make a link object.
  const std::string link = SpezialOrdner("1") + "zq ohne COM.lnk";
  long fehler = 0;
  long lesen = 0;
  std::thread ohneCom([&] {
    fehler = LinkErstellen(link, "C:\\x.exe");
    lesen = LinkZielLesen(link);
  });
  ohneCom.join();
  EXPECT_NE(fehler, 0);
  EXPECT_EQ(lesen, fehler);
  EXPECT_FALSE(DateiExistiert(link));
  EXPECT_FALSE(AktionsFehlerText(fehler).empty());
  // A code the system has no text for is named by its number.
  EXPECT_EQ(AktionsFehlerText(0x20001234), "Fehler 536875572");
}
