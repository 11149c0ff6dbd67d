// The first page after what the probe found and what the block offers; an installer in the root of
// a drive; the about box of the footer; the folder chooser given up.
#include <windows.h>

#include <string>
#include <vector>

#include "tests/e2e/Fall.h"

namespace e2e {
namespace {

class Seitenwahl : public Fall {
 protected:
  std::string Name() const {
    return std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()).substr(0, 12);
  }

  // The case's installer with one file that has a menu text, named `name`, proposing `ziel`, started.
  Installer& MitEinerDateiStarten(const std::string& name, const std::string& ziel) {
    SetupAblegen(Block({"#n=" + name, "#z=" + ziel, "#m=1", "#d=Prog.exe," + Menue("ZQe2e Wahl " + Name())}));
    Programmdatei("Prog.exe");
    return Starten();
  }
};

// A shortcut of an earlier installation counts only where its location is offered; a verb counts
// wherever it is found.
TEST_F(Seitenwahl, EinLinkZaehltNurWoEsAngebotenIst) {
  const std::string menue = Menue("ZQe2e Wahl " + Name());
  const std::string alt = Ordner() + "alt\\";
  ASSERT_TRUE(LinkAnlegen(DesktopLink(menue), alt + "Prog.exe"));
  ASSERT_TRUE(LinkAnlegen(StartMenueLink(menue), alt + "Prog.exe"));
  ASSERT_TRUE(LinkAnlegen(SchnellStartLink(menue), alt + "Prog.exe"));
  SetupAblegen(Block({"#n=ZQe2e Wahl", "#z=P", "#m=45", "#d=Prog.exe," + menue}));
  Programmdatei("Prog.exe");

  Installer& s = Starten();
  ASSERT_TRUE(s.Bereit());
  // Found and ticked, and the folder read back, but none of the three is offered.
  ErwarteSeite(s, "PaPfad", 2, alt);
  EXPECT_EQ(Boxen(s), (std::vector<int>{1, 1, 1, 0, 0}));
  EXPECT_FALSE(s.Sichtbar("CheDesktop") || s.Sichtbar("CheStart") || s.Sichtbar("CheSchnell"));
  EXPECT_TRUE(s.Beenden());
}

TEST_F(Seitenwahl, EinVerbZaehltAuchWennEsNichtAngebotenIst) {
  for (const bool ordnerMenue : {false, true}) {
    SCOPED_TRACE(ordnerMenue ? "folder menu" : "file menu");
    const std::string menue = Menue("ZQe2e Wahl " + Name() + (ordnerMenue ? " V" : " D"));
    const std::string alt = Ordner() + "alt\\";
    const std::string verb = ordnerMenue ? OrdnerVerb(menue) : DateiVerb(menue);
    ASSERT_TRUE(VerbAnlegen(verb, "\"" + alt + "Prog.exe\" \"%1\""));
    SetupAblegen(Block({"#n=ZQe2e Wahl", "#z=P", "#m=123", "#d=Prog.exe," + menue}));
    Programmdatei("Prog.exe");

    Installer& s = Starten();
    ASSERT_TRUE(s.Bereit());
    ErwarteSeite(s, "PaIstSchonDa", 1, alt);
    EXPECT_EQ(Boxen(s), (std::vector<int>{0, 0, 0, ordnerMenue ? 1 : 0, ordnerMenue ? 0 : 1}));
    EXPECT_FALSE(s.Sichtbar("PaMausL") || s.Sichtbar("PaMausR"));
    EXPECT_TRUE(s.Beenden());
  }
}

// The installer's own folder is the drive's root: "C:\", one backslash.
TEST_F(Seitenwahl, InstallerImWurzelverzeichnis) {
  const std::string menue = Menue("ZQe2e Wahl " + Name());
  const std::string exePfad = FremdeDatei("C:\\ZQe2eWurzel.exe");
  const std::string dateiPfad = FremdeDatei("C:\\ZQe2eWurzel.txt");
  FremdeDatei("C:\\ZQe2eWurzel.INI");
  ASSERT_NO_FATAL_FAILURE(SetupAblegen(
      Block({"#n=ZQe2e Wurzel", "#z=P", "#m=1", "#d=ZQe2eWurzel.txt," + menue}), exePfad));
  ASSERT_TRUE(DateiSchreiben(dateiPfad, "Inhalt\r\n"));

  Installer& s = Starten(exePfad, "C:\\");
  ASSERT_TRUE(s.Bereit());
  ErwarteSeite(s, "PaPfad", 2, "");
  s.TextSetzen("EdVerz", "C:");
  EXPECT_TRUE(WartenBis([&] { return !s.Aktiv("BuVerzKopie"); })) << "\"C:\" with its backslash is the own folder";
  s.Klicken("BuNichtKopieren");
  ErwarteSeite(s, "PaChecks", 3, "C:\\");
  s.Klicken("CheDesktop");
  EXPECT_TRUE(WartenBis([&] { return DateiDa(DesktopLink(menue)); }));
  EXPECT_EQ(LinkZiel(DesktopLink(menue)).value_or("(none)"), "C:\\ZQe2eWurzel.txt");
  EXPECT_TRUE(s.Beenden());
}

// Windows of a class: the visible top-level one of a process, or the texts of a window's children.
struct KlassenSuche {
  const char* klasse;
  DWORD pid;
  HWND fund;
  std::vector<std::string> texte;
};

bool VonKlasse(HWND w, const char* klasse) {
  char name[64] = {};
  ::GetClassNameA(w, name, sizeof name);
  return std::string(name) == klasse;
}

BOOL CALLBACK SichtbaresFensterVergleichen(HWND w, LPARAM p) {
  auto* s = reinterpret_cast<KlassenSuche*>(p);
  DWORD von = 0;
  ::GetWindowThreadProcessId(w, &von);
  if (von != s->pid || !VonKlasse(w, s->klasse) || !::IsWindowVisible(w)) return TRUE;
  s->fund = w;
  return FALSE;
}

BOOL CALLBACK KindTextSammeln(HWND w, LPARAM p) {
  auto* s = reinterpret_cast<KlassenSuche*>(p);
  if (VonKlasse(w, s->klasse)) s->texte.push_back(automation::Text(w));
  return TRUE;
}

// The top-level window of class `klasse` that process `pid` shows, or null.
HWND SichtbaresFenster(DWORD pid, const char* klasse) {
  KlassenSuche suche{klasse, pid, nullptr, {}};
  ::EnumWindows(&SichtbaresFensterVergleichen, reinterpret_cast<LPARAM>(&suche));
  return suche.fund;
}

// The texts of the children of `fenster` whose class is `klasse`, in their order.
std::vector<std::string> KinderTexte(HWND fenster, const char* klasse) {
  KlassenSuche suche{klasse, 0, nullptr, {}};
  ::EnumChildWindows(fenster, &KindTextSammeln, reinterpret_cast<LPARAM>(&suche));
  return suche.texte;
}

// The dialog window (a message box, the folder chooser) that the installer shows, once it shows.
HWND DialogAbwarten(const Installer& s) {
  HWND dialog = nullptr;
  WartenBis([&] { return (dialog = SichtbaresFenster(s.Pid(), "#32770")) != nullptr; });
  return dialog;
}

TEST_F(Seitenwahl, FussZeigtDieVersionImHinweisfenster) {
  Installer& s = MitEinerDateiStarten("ZQe2e Fuss", "P");
  ASSERT_TRUE(s.Bereit());
  EXPECT_EQ(s.Text("PaFuss2"), "Installations-Programm, Version 19");

  s.Klicken("PaFuss2");
  HWND box = DialogAbwarten(s);
  ASSERT_NE(box, nullptr) << "no message box";
  EXPECT_EQ(automation::Text(box), "ZQe2e Fuss installieren");
  const std::vector<std::string> texte = KinderTexte(box, "Static");
  bool version = false;
  for (const std::string& text : texte) {
    if (text.rfind("Installations-Programm, Version 19\r\n", 0) == 0) version = true;
  }
  EXPECT_TRUE(version) << ::testing::PrintToString(texte);

  EXPECT_TRUE(Vordergrund(box));
  Taste(VK_RETURN);
  EXPECT_TRUE(WartenBis([&] { return SichtbaresFenster(s.Pid(), "#32770") == nullptr; }));
  ErwarteSeite(s, "PaPfad", 2, "");
  EXPECT_TRUE(s.Beenden());
}

TEST_F(Seitenwahl, AbgebrocheneOrdnerSucheLaesstDasFeld) {
  Installer& s = MitEinerDateiStarten("ZQe2e Suche", "C:\\zq_e2e\\Vorschlag");
  ASSERT_TRUE(s.Bereit());
  ASSERT_EQ(s.Text("EdVerz"), "C:\\zq_e2e\\Vorschlag\\");

  s.Klicken("SpeVerzSuche");
  HWND wahl = DialogAbwarten(s);
  ASSERT_NE(wahl, nullptr) << "no folder chooser";
  EXPECT_NE(KinderTexte(wahl, "Static"), std::vector<std::string>{}) << "its title";
  bool titel = false;
  for (const std::string& text : KinderTexte(wahl, "Static")) titel = titel || text == "Ziel-Verzeichnis suchen";
  EXPECT_TRUE(titel) << ::testing::PrintToString(KinderTexte(wahl, "Static"));

  HWND abbrechen = ::GetDlgItem(wahl, IDCANCEL);
  ASSERT_NE(abbrechen, nullptr);
  MausKlick(wahl, abbrechen);
  EXPECT_TRUE(WartenBis([&] { return SichtbaresFenster(s.Pid(), "#32770") == nullptr; }));
  EXPECT_EQ(s.Text("EdVerz"), "C:\\zq_e2e\\Vorschlag\\");
  ErwarteSeite(s, "PaPfad", 2, "");
  EXPECT_TRUE(s.Beenden());
}

}  // namespace
}  // namespace e2e
