// The menu locations against Wine's real registry and real shortcut files.
#include <filesystem>
#include <thread>

#include <gtest/gtest.h>

#include "forms/_Form_Anfang.h"
#include "install/_subs.h"
#include "lib/_zq_Adresse_2.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "platform/ShellLink.h"
#include "tests/support/Fenster.h"

namespace {

using platform::CheckState;

TZQDateienInfo Datei(const std::wstring& name, const std::wstring& text, std::vector<std::wstring> parameter = {}) {
  TZQDateienInfo d{name, text, {L""}};
  d.Parameter.insert(d.Parameter.end(), parameter.begin(), parameter.end());
  return d;
}

std::wstring LinkZiel(const std::wstring& link) {
  platform::ShellLink l;
  platform::ShellFolderItem ziel;
  if (l.Create() == 0 && l.Load(link) == 0) l.GetIDList(ziel);
  return ziel.Path();
}

std::wstring Befehl(const std::wstring& schluessel) {
  platform::ClassesRootKey key;
  std::wstring text;
  if (key.Open(schluessel + L"\\command", platform::kKeyRead) == 0) key.ReadDefault(text);
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
    for (const std::wstring& text : texte) {
      for (const char* ordner : {"1", "2", "3"}) AdresseLoeschen(SpezialOrdner(ordner) + text + L".lnk", false);
      for (const wchar_t* wurzel : {L"*", L"Drive", L"Folder"}) {
        platform::ClassesRootDeleteTree(std::wstring(wurzel) + L"\\shell\\" + text + L" ...");
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

  const std::vector<std::wstring> texte = {L"zq Menü A", L"zq Menü B"};
  Taa fenster;
};

}  // namespace

TEST_F(Menues, EveryLocationIsMadeFoundAndRemoved) {
  const std::wstring ordner = L"C:\\Programme\\Zählwerk\\";
  for (platform::CheckBox* box : Boxen()) {
    SCOPED_TRACE(box->Caption());
    Dateien = {{}, Datei(L"zw.exe", texte[0])};
    ZielOrt = ordner;
    Anwenden(*box, true);
    ZielOrt.clear();
    Pruefen();
    for (platform::CheckBox* andere : Boxen()) {
      EXPECT_EQ(andere->State(), andere == box ? CheckState::Checked : CheckState::Unchecked) << andere->Caption();
    }
    EXPECT_EQ(ZielOrt, ordner);

    ZielOrt = ordner;
    Anwenden(*box, false);
    ZielOrt.clear();
    Pruefen();
    for (platform::CheckBox* andere : Boxen()) EXPECT_EQ(andere->State(), CheckState::Unchecked) << andere->Caption();
    EXPECT_EQ(ZielOrt, L"");
  }
}

TEST_F(Menues, EntriesHaveTheirNamesTargetsAndCommandLines) {
  Dateien = {{}, Datei(L"x.exe", texte[0], {L"a", L" b c ", L"C:\\d"}), Datei(L"ohne.txt", L""), Datei(L"y.exe", texte[1])};
  ZielOrt = L"C:\\Prog";
  for (platform::CheckBox* box : Boxen()) Anwenden(*box, true);

  EXPECT_EQ(LinkZiel(SpezialOrdner("1") + texte[0] + L".lnk"), L"C:\\Prog\\x.exe");
  EXPECT_EQ(LinkZiel(SpezialOrdner("2") + texte[1] + L".lnk"), L"C:\\Prog\\y.exe");
  EXPECT_EQ(LinkZiel(SpezialOrdner("3") + texte[0] + L".lnk"), L"C:\\Prog\\x.exe");
  EXPECT_FALSE(DateiExistiert(SpezialOrdner("1") + L".lnk"));
  const std::wstring befehl = L"\"C:\\Prog\\x.exe\" \"a\" \" b c \" \"C:\\d\" \"%1\"";
  EXPECT_EQ(Befehl(L"*\\shell\\" + texte[0] + L" ..."), befehl);
  EXPECT_EQ(Befehl(L"Drive\\shell\\" + texte[0] + L" ..."), befehl);
  EXPECT_EQ(Befehl(L"Folder\\shell\\" + texte[0] + L" ..."), befehl);
  EXPECT_EQ(Befehl(L"*\\shell\\" + texte[1] + L" ..."), L"\"C:\\Prog\\y.exe\" \"%1\"");
}

TEST_F(Menues, TheProbeShowsTheLastFileAndTheLastDiscoveryWins) {
  Dateien = {{}, Datei(L"a.exe", texte[0]), Datei(L"b.exe", texte[1])};
  // Only the first file has a desktop shortcut; only the second a file verb.
  ZielOrt = L"C:\\Erst\\";
  Anwenden(aa->CheDesktop, true);
  AdresseLoeschen(SpezialOrdner("1") + texte[1] + L".lnk", false);
  ZielOrt = L"C:\\Zweit\\";
  Anwenden(aa->CheExplorerD, true);
  platform::ClassesRootDeleteTree(L"*\\shell\\" + texte[0] + L" ...");

  ZielOrt.clear();
  Pruefen();
  EXPECT_EQ(aa->CheDesktop.State(), CheckState::Unchecked);
  EXPECT_EQ(aa->CheExplorerD.State(), CheckState::Checked);
  EXPECT_EQ(ZielOrt, L"C:\\Zweit\\");
  EXPECT_TRUE(DateiExistiert(SpezialOrdner("1") + texte[0] + L".lnk"));
}

TEST_F(Menues, RemovingEverythingReachesEntriesThatTheBoxesDidNotShow) {
  Dateien = {{}, Datei(L"a.exe", texte[0]), Datei(L"b.exe", texte[1])};
  ZielOrt = L"C:\\Erst\\";
  Anwenden(aa->CheDesktop, true);
  Anwenden(aa->CheExplorerD, true);
  AdresseLoeschen(SpezialOrdner("1") + texte[1] + L".lnk", false);
  platform::ClassesRootDeleteTree(L"*\\shell\\" + texte[1] + L" ...");
  Pruefen();
  ASSERT_EQ(aa->CheDesktop.State(), CheckState::Unchecked);

  fenster.Show();
  // The boxes are cleared without their handler: each location is removed once, explicitly.
  int klicks = 0;
  auto klick = [&](platform::Control&) { ++klicks; };
  for (platform::CheckBox* box : Boxen()) box->OnClick = testfenster::An(klick);
  AlleEintraegeEntfernen();
  EXPECT_EQ(klicks, 0);
  for (platform::CheckBox* box : Boxen()) EXPECT_EQ(box->State(), CheckState::Unchecked) << box->Caption();
  EXPECT_FALSE(DateiExistiert(SpezialOrdner("1") + texte[0] + L".lnk"));
  EXPECT_FALSE(platform::ClassesRootKeyExists(L"*\\shell\\" + texte[0] + L" ..."));
}

TEST_F(Menues, MenuTextsThatAreNoPlainNamesAreNeitherMadeNorProbedNorRemoved) {
  // Another program's shortcut that the pattern "zq Neu?" would match, and a file outside the
  // desktop folder that "..\\" would reach.
  const std::wstring fremd = SpezialOrdner("1") + L"zq NeuX.lnk";
  const std::wstring draussen = SpezialOrdner("1") + L"..\\zq draussen.lnk";
  ASSERT_EQ(LinkZiel(fremd), L"");
  {
    platform::ShellLink link;
    ASSERT_EQ(link.Create(), 0);
    link.SetPath(L"C:\\Fremd\\neu.exe");
    ASSERT_EQ(link.Save(fremd, false), 0);
    ASSERT_EQ(link.Save(draussen, false), 0);
  }
  Dateien = {{}, Datei(L"x.exe", L"zq Neu?"), Datei(L"y.exe", L"..\\zq draussen")};
  for (const wchar_t* text : {L"zq a\\b", L"zq a/b", L"zq a:b", L"zq a*", L"zq a\"b", L"zq a<b", L"zq a>b", L"zq a|b", L"zq a\tb", L".", L".."}) {
    Dateien.push_back(Datei(L"z.exe", text));
  }
  ZielOrt = L"C:\\Prog\\";
  Pruefen();
  for (platform::CheckBox* box : Boxen()) EXPECT_EQ(box->State(), CheckState::Unchecked) << box->Caption();
  EXPECT_EQ(ZielOrt, L"C:\\Prog\\") << L"a foreign shortcut was taken for an earlier installation";

  for (platform::CheckBox* box : Boxen()) Anwenden(*box, true);
  EXPECT_FALSE(platform::ClassesRootKeyExists(L"*\\shell\\zq Neu? ..."));
  EXPECT_FALSE(platform::ClassesRootKeyExists(L"*\\shell\\zq a ..."));
  for (platform::CheckBox* box : Boxen()) Anwenden(*box, false);
  fenster.Show();
  AlleEintraegeEntfernen();
  EXPECT_EQ(LinkZiel(fremd), L"C:\\Fremd\\neu.exe");
  EXPECT_EQ(LinkZiel(draussen), L"C:\\Fremd\\neu.exe");
  AdresseLoeschen(fremd, false);
  AdresseLoeschen(draussen, false);
}

TEST_F(Menues, NoTargetNoVerbButAShortcutAllTheSame) {
  Dateien = {{}, Datei(L"x.exe", texte[0])};
  Anwenden(aa->CheExplorerV, true);
  Anwenden(aa->CheExplorerD, true);
  EXPECT_FALSE(platform::ClassesRootKeyExists(L"Drive\\shell\\" + texte[0] + L" ..."));
  EXPECT_FALSE(platform::ClassesRootKeyExists(L"Folder\\shell\\" + texte[0] + L" ..."));
  EXPECT_FALSE(platform::ClassesRootKeyExists(L"*\\shell\\" + texte[0] + L" ..."));
  Anwenden(aa->CheDesktop, true);
  // The empty target folder becomes "\": the link names x.exe in a folder that the shell resolves
  // its own way (Windows at the current drive's root, Wine below the desktop).
  EXPECT_EQ(AdresseDateiName(LinkZiel(SpezialOrdner("1") + texte[0] + L".lnk")), L"x.exe");
}

TEST_F(Menues, TargetsOffADriveLetterAreFoundButNotTaken) {
  Dateien = {{}, Datei(L"x.exe", texte[0])};
  {
    platform::ClassesRootKey key;
    ASSERT_EQ(key.Create(L"*\\shell\\" + texte[0] + L" ...\\command", platform::kKeyWrite), 0);
    key.WriteDefault(L"\"\\\\server\\freigabe\\x.exe\" \"%1\"");
  }
  ZielOrt = L"\\\\server\\freigabe\\";
  Anwenden(aa->CheDesktop, true);
  ZielOrt = L"C:\\Vorher\\";
  Pruefen();
  EXPECT_EQ(aa->CheExplorerD.State(), CheckState::Checked);
  EXPECT_EQ(aa->CheDesktop.State(), CheckState::Checked);
  EXPECT_EQ(ZielOrt, L"C:\\Vorher\\");
}

TEST_F(Menues, FilesWithoutMenuTextsClearEveryBoxAndWriteNothing) {
  Dateien = {{}, Datei(L"x.exe", L""), Datei(L"y.exe", L"")};
  ZielOrt = L"C:\\Prog\\";
  for (platform::CheckBox* box : Boxen()) Anwenden(*box, true);
  EXPECT_FALSE(DateiExistiert(SpezialOrdner("1") + L".lnk"));
  EXPECT_FALSE(platform::ClassesRootKeyExists(L"*\\shell\\ ..."));
  Pruefen();
  for (platform::CheckBox* box : Boxen()) EXPECT_EQ(box->State(), CheckState::Unchecked) << box->Caption();
}

TEST(Befehlszeilen, YieldTheFolderOnADriveLetter) {
  ZielOrt = L"alt";
  BefehlZielLesen(L"\"C:\\Prog\\x.exe\" \"%1\"");
  EXPECT_EQ(ZielOrt, L"C:\\Prog\\");
  // A backslash in a parameter ends the folder inside the parameters; it is still taken.
  BefehlZielLesen(L"\"C:\\Prog\\x.exe\" \"D:\\p\" \"%1\"");
  EXPECT_EQ(ZielOrt, L"C:\\Prog\\x.exe\" \"D:\\");
  ZielOrt = L"alt";
  BefehlZielLesen(L"x.exe \"%1\"");
  BefehlZielLesen(L"");
  EXPECT_EQ(ZielOrt, L"alt");
  ZielOrt.clear();
}

TEST(LinkErstellen, WithoutTheComponentLibraryEndsTheActionWithTheSystemsText) {
  // A thread that never initialised the component-object library cannot make a link object.
  const std::wstring link = SpezialOrdner("1") + L"zq ohne COM.lnk";
  long fehler = 0;
  long lesen = 0;
  std::thread ohneCom([&] {
    fehler = LinkErstellen(link, L"C:\\x.exe");
    lesen = LinkZielLesen(link);
  });
  ohneCom.join();
  EXPECT_NE(fehler, 0);
  EXPECT_EQ(lesen, fehler);
  EXPECT_FALSE(DateiExistiert(link));
  EXPECT_FALSE(AktionsFehlerText(fehler).empty());
  // A code the system has no text for is named by its number.
  EXPECT_EQ(AktionsFehlerText(0x20001234), L"Fehler 536875572");
}

TEST_F(Menues, AShortcutThatCannotBeSavedEndsTheActionWithTheSystemsText) {
  // A folder in the place of the shortcut file: the link object is made, but it cannot be saved.
  const std::wstring link = SpezialOrdner("1") + texte[0] + L".lnk";
  ASSERT_TRUE(VerzeichnisMachen(link, true));
  Dateien.push_back(Datei(L"a.exe", texte[0]));
  ZielOrt = L"C:\\Prog\\";
  fenster.Show();
  aa->CheDesktop.SetStateQuietly(CheckState::Checked);
  const long fehler = MacheCheck(&aa->CheDesktop);
  EXPECT_NE(fehler, 0);
  EXPECT_FALSE(AktionsFehlerText(fehler).empty());
  EXPECT_FALSE(DateiExistiert(link));
  platform::RemoveEmptyFolder(link);
}
