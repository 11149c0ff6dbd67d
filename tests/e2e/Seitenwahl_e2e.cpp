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
  std::wstring Name() const {
    return Fallname(12);
  }

  // The case's installer with one file that has a menu text, named `name`, proposing `ziel`, started.
  Installer& MitEinerDateiStarten(const std::wstring& name, const std::wstring& ziel) {
    SetupAblegen(Block({L"#n=" + name, L"#z=" + ziel, L"#m=1", L"#d=Prog.exe," + Menue(L"ZQe2e Wahl " + Name())}));
    Programmdatei(L"Prog.exe");
    return Starten();
  }
};

// A shortcut of an earlier installation counts only where its location is offered; a verb counts
// wherever it is found.
TEST_F(Seitenwahl, EinLinkZaehltNurWoEsAngebotenIst) {
  const std::wstring menue = Menue(L"ZQe2e Wahl " + Name());
  const std::wstring alt = Ordner() + L"alt\\";
  ASSERT_TRUE(LinkAnlegen(DesktopLink(menue), alt + L"Prog.exe"));
  ASSERT_TRUE(LinkAnlegen(StartMenueLink(menue), alt + L"Prog.exe"));
  ASSERT_TRUE(LinkAnlegen(SchnellStartLink(menue), alt + L"Prog.exe"));
  SetupAblegen(Block({L"#n=ZQe2e Wahl", L"#z=P", L"#m=45", L"#d=Prog.exe," + menue}));
  Programmdatei(L"Prog.exe");

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
    SCOPED_TRACE(ordnerMenue ? L"folder menu" : L"file menu");
    const std::wstring menue = Menue(L"ZQe2e Wahl " + Name() + (ordnerMenue ? L" V" : L" D"));
    const std::wstring alt = Ordner() + L"alt\\";
    const std::wstring verb = ordnerMenue ? OrdnerVerb(menue) : DateiVerb(menue);
    ASSERT_TRUE(VerbAnlegen(verb, L"\"" + alt + L"Prog.exe\" \"%1\""));
    SetupAblegen(Block({L"#n=ZQe2e Wahl", L"#z=P", L"#m=123", L"#d=Prog.exe," + menue}));
    Programmdatei(L"Prog.exe");

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
  const std::wstring menue = Menue(L"ZQe2e Wahl " + Name());
  const std::wstring exePfad = FremdeDatei(L"C:\\ZQe2eWurzel.exe");
  const std::wstring dateiPfad = FremdeDatei(L"C:\\ZQe2eWurzel.txt");
  FremdeDatei(L"C:\\ZQe2eWurzel.INI");
  ASSERT_NO_FATAL_FAILURE(SetupAblegen(
      Block({L"#n=ZQe2e Wurzel", L"#z=P", L"#m=1", L"#d=ZQe2eWurzel.txt," + menue}), exePfad));
  ASSERT_TRUE(DateiSchreiben(dateiPfad, "Inhalt\r\n"));

  Installer& s = Starten(exePfad, L"C:\\");
  ASSERT_TRUE(s.Bereit());
  ErwarteSeite(s, "PaPfad", 2, L"");
  s.TextSetzen("EdVerz", L"C:");
  EXPECT_TRUE(WartenBis([&] { return !s.Aktiv("BuVerzKopie"); })) << L"\"C:\" with its backslash is the own folder";
  s.Klicken("BuNichtKopieren");
  ErwarteSeite(s, "PaChecks", 3, L"C:\\");
  s.Klicken("CheDesktop");
  EXPECT_TRUE(WartenBis([&] { return DateiDa(DesktopLink(menue)); }));
  EXPECT_EQ(LinkZiel(DesktopLink(menue)).value_or(L"(none)"), L"C:\\ZQe2eWurzel.txt");
  EXPECT_TRUE(s.Beenden());
}

// Windows of a class: the visible top-level one of a process, or the texts of a window's children.
struct KlassenSuche {
  const char* klasse;
  DWORD pid;
  HWND fund;
  std::vector<std::wstring> texte;
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
std::vector<std::wstring> KinderTexte(HWND fenster, const char* klasse) {
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
  Installer& s = MitEinerDateiStarten(L"ZQe2e Fuss", L"P");
  ASSERT_TRUE(s.Bereit());
  EXPECT_EQ(s.Text("PaFuss2"), L"Installations-Programm, Version " ZQ_VERSION);

  s.Klicken("PaFuss2");
  HWND box = DialogAbwarten(s);
  ASSERT_NE(box, nullptr) << L"no message box";
  EXPECT_EQ(automation::Text(box), L"ZQe2e Fuss installieren");
  const std::vector<std::wstring> texte = KinderTexte(box, "Static");
  bool version = false;
  for (const std::wstring& text : texte) {
    if (text.rfind(L"Installations-Programm, Version " ZQ_VERSION L"\r\n", 0) == 0) version = true;
  }
  EXPECT_TRUE(version) << ::testing::PrintToString(texte);

  EXPECT_TRUE(Vordergrund(box));
  Taste(VK_RETURN);
  EXPECT_TRUE(WartenBis([&] { return SichtbaresFenster(s.Pid(), "#32770") == nullptr; }));
  ErwarteSeite(s, "PaPfad", 2, L"");
  EXPECT_TRUE(s.Beenden());
}

TEST_F(Seitenwahl, AbgebrocheneOrdnerSucheLaesstDasFeld) {
  Installer& s = MitEinerDateiStarten(L"ZQe2e Suche", L"C:\\zq_e2e\\Vorschlag");
  ASSERT_TRUE(s.Bereit());
  ASSERT_EQ(s.Text("EdVerz"), L"C:\\zq_e2e\\Vorschlag\\");

  s.Klicken("SpeVerzSuche");
  HWND wahl = DialogAbwarten(s);
  ASSERT_NE(wahl, nullptr) << L"no folder chooser";
  EXPECT_NE(KinderTexte(wahl, "Static"), std::vector<std::wstring>{}) << L"its title";
  bool titel = false;
  for (const std::wstring& text : KinderTexte(wahl, "Static")) titel = titel || text == L"Ziel-Verzeichnis suchen";
  EXPECT_TRUE(titel) << ::testing::PrintToString(KinderTexte(wahl, "Static"));

  HWND abbrechen = ::GetDlgItem(wahl, IDCANCEL);
  ASSERT_NE(abbrechen, nullptr);
  MausKlick(wahl, abbrechen);
  EXPECT_TRUE(WartenBis([&] { return SichtbaresFenster(s.Pid(), "#32770") == nullptr; }));
  EXPECT_EQ(s.Text("EdVerz"), L"C:\\zq_e2e\\Vorschlag\\");
  ErwarteSeite(s, "PaPfad", 2, L"");
  EXPECT_TRUE(s.Beenden());
}

// A shortcut that cannot be saved (a folder holds its name) is reported in a message box, and its
// box does not stay ticked.
TEST_F(Seitenwahl, EineVerknuepfungOhneOrtWirdGemeldet) {
  Installer& s = MitEinerDateiStarten(L"ZQe2e Gesperrt", L"P");
  const std::wstring besetzt = FremderOrdner(DesktopLink(L"ZQe2e Wahl " + Name()));
  ASSERT_TRUE(OrdnerMachen(besetzt));
  ASSERT_TRUE(s.Bereit());
  s.Klicken("BuNichtKopieren");
  ErwarteSeite(s, "PaChecks", 3, Ordner());
  s.Klicken("CheDesktop");
  HWND box = DialogAbwarten(s);
  ASSERT_NE(box, nullptr) << L"no message box";
  EXPECT_EQ(automation::Text(box), L"ZQe2e Gesperrt installieren");
  EXPECT_TRUE(Vordergrund(box));
  Taste(VK_RETURN);
  EXPECT_TRUE(WartenBis([&] { return SichtbaresFenster(s.Pid(), "#32770") == nullptr; }));
  EXPECT_EQ(s.Zustand("CheDesktop"), 0);
  EXPECT_TRUE(OrdnerDa(besetzt));
  EXPECT_TRUE(s.Beenden());
}

}  // namespace
}  // namespace e2e
