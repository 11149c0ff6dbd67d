// First installations (copied, or kept in place) and their menu locations, as a user makes them.
#include <string>
#include <vector>

#include "tests/e2e/Fall.h"

namespace e2e {
namespace {

class Erstinstallation : public Fall {};

const std::vector<int> kAlleLeer = {0, 0, 0, 0, 0};

TEST_F(Erstinstallation, KopiertDieDateienUndSchaltetDesktopUndDateiMenue) {
  const std::wstring menue = Menue(L"ZQe2e Erst Menü");
  const std::wstring ziel = FremderOrdner(ProgrammOrdner() + L"ZQe2e Erst");
  SetupAblegen(Block({L"#n=ZQe2e Erst", L"#z=P", L"#m=135", L"#d=Prog.exe," + menue + L",-a,-b",
                      L"#d=Liesmich.txt"}));
  Programmdatei(L"Prog.exe");
  Programmdatei(L"Liesmich.txt");
  Installer& s = Starten();
  ASSERT_TRUE(s.Bereit());

  EXPECT_EQ(automation::Text(s.Hauptfenster()), L"ZQe2e Erst installieren");
  ErwarteSeite(s, "PaPfad", 2, L"");
  EXPECT_EQ(s.Text("EdVerz"), ziel);
  EXPECT_TRUE(s.Aktiv("BuVerzKopie"));
  // "135": desktop, quick launch and the files' menu are offered, the start menu and the folders'
  // menu are not.
  EXPECT_TRUE(s.Sichtbar("CheDesktop"));
  EXPECT_TRUE(s.Sichtbar("LaDesktop"));
  EXPECT_FALSE(s.Sichtbar("CheStart"));
  EXPECT_FALSE(s.Sichtbar("PaStart"));
  EXPECT_TRUE(s.Sichtbar("CheSchnell"));
  EXPECT_TRUE(s.Sichtbar("LaSchnell"));
  EXPECT_FALSE(s.Sichtbar("PaMausL"));
  EXPECT_TRUE(s.Sichtbar("PaMausR"));
  EXPECT_TRUE(s.Sichtbar("PaExplorer"));
  EXPECT_EQ(Boxen(s), kAlleLeer) << L"the probe found nothing";

  const Kopiervorgang kopie = Kopieren(s);
  ASSERT_TRUE(kopie.fertig);
  EXPECT_TRUE(kopie.kopiertGesehen);
  EXPECT_GE(kopie.millisekunden, 1900u);
  EXPECT_FALSE(s.Sichtbar("LaKopiert"));
  ErwarteSeite(s, "PaChecks", 3, ziel);
  for (const wchar_t* datei : {L"Prog.exe", L"Liesmich.txt", L"Setup.exe"}) {
    const auto kopiert = DateiInhalt(ziel + datei);
    ASSERT_TRUE(kopiert.has_value()) << datei << L" is not in " << ziel;
    EXPECT_EQ(*kopiert, DateiInhalt(Ordner() + datei).value_or("")) << datei;
  }

  s.Klicken("CheDesktop");
  EXPECT_TRUE(WartenBis([&] { return DateiDa(DesktopLink(menue)); })) << DesktopLink(menue);
  EXPECT_EQ(s.Zustand("CheDesktop"), 1);
  EXPECT_EQ(LinkZiel(DesktopLink(menue)).value_or(L"(none)"), ziel + L"Prog.exe");
  s.Klicken("CheDesktop");
  EXPECT_TRUE(WartenBis([&] { return !DateiDa(DesktopLink(menue)); }));
  EXPECT_EQ(s.Zustand("CheDesktop"), 0);

  s.Klicken("CheSchnell");
  EXPECT_TRUE(WartenBis([&] { return DateiDa(SchnellStartLink(menue)); })) << SchnellStartLink(menue);
  EXPECT_EQ(LinkZiel(SchnellStartLink(menue)).value_or(L"(none)"), ziel + L"Prog.exe");
  s.Klicken("CheSchnell");
  EXPECT_TRUE(WartenBis([&] { return !DateiDa(SchnellStartLink(menue)); }));
  EXPECT_EQ(s.Zustand("CheSchnell"), 0);

  s.Klicken("CheExplorerD");
  EXPECT_TRUE(WartenBis([&] { return VerbBefehl(DateiVerb(menue)).has_value(); }));
  EXPECT_EQ(s.Zustand("CheExplorerD"), 1);
  EXPECT_EQ(VerbBefehl(DateiVerb(menue)).value_or(L"(none)"),
            L"\"" + ziel + L"Prog.exe\" \"-a\" \"-b\" \"%1\"");
  s.Klicken("CheExplorerD");
  EXPECT_TRUE(WartenBis([&] { return !SchluesselDa(DateiVerb(menue)); }));
  EXPECT_EQ(s.Zustand("CheExplorerD"), 0);

  EXPECT_EQ(VorhandeneEintraege(menue), std::vector<std::wstring>{});
  EXPECT_TRUE(s.Beenden());
}

TEST_F(Erstinstallation, BehaeltDieDateienAmOrt) {
  const std::wstring menue = Menue(L"ZQe2e Behalten");
  // Keys and folder letters are case-insensitive: "Z" with "w" proposes the Windows folder.
  SetupAblegen(Block({L"#n=ZQe2e Behalten", L"#Z=w", L"#m=24", L"#d=Prog.exe," + menue}));
  Programmdatei(L"Prog.exe");
  Installer& s = Starten();
  ASSERT_TRUE(s.Bereit());

  wchar_t windows[MAX_PATH] = {};
  ::GetWindowsDirectoryW(windows, MAX_PATH);
  EXPECT_EQ(s.Text("EdVerz"), MitBackslash(windows));
  EXPECT_FALSE(s.Sichtbar("CheDesktop"));
  EXPECT_FALSE(s.Sichtbar("LaDesktop"));
  EXPECT_TRUE(s.Sichtbar("CheStart"));
  EXPECT_TRUE(s.Sichtbar("PaStart"));
  EXPECT_FALSE(s.Sichtbar("CheSchnell"));
  EXPECT_TRUE(s.Sichtbar("PaMausL"));
  EXPECT_FALSE(s.Sichtbar("PaMausR"));

  s.Klicken("BuNichtKopieren");
  ErwarteSeite(s, "PaChecks", 3, Ordner());

  s.Klicken("CheStart");
  EXPECT_TRUE(WartenBis([&] { return DateiDa(StartMenueLink(menue)); })) << StartMenueLink(menue);
  EXPECT_EQ(LinkZiel(StartMenueLink(menue)).value_or(L"(none)"), Ordner() + L"Prog.exe");
  s.Klicken("CheExplorerV");
  const std::wstring befehl = L"\"" + Ordner() + L"Prog.exe\" \"%1\"";
  EXPECT_TRUE(WartenBis([&] { return VerbBefehl(OrdnerVerb(menue)).has_value(); }));
  EXPECT_EQ(VerbBefehl(LaufwerkVerb(menue)).value_or(L"(none)"), befehl);
  EXPECT_EQ(VerbBefehl(OrdnerVerb(menue)).value_or(L"(none)"), befehl);
  EXPECT_FALSE(SchluesselDa(DateiVerb(menue)));
  EXPECT_EQ(Boxen(s), (std::vector<int>{0, 1, 0, 1, 0}));

  s.Klicken("CheStart");
  s.Klicken("CheExplorerV");
  EXPECT_TRUE(WartenBis([&] { return VorhandeneEintraege(menue).empty(); }))
      << ::testing::PrintToString(VorhandeneEintraege(menue));
  EXPECT_EQ(Boxen(s), kAlleLeer);
  EXPECT_TRUE(s.Beenden());
}

TEST_F(Erstinstallation, DesktopBeschriftungSchaltetIhreBox) {
  const std::wstring menue = Menue(L"ZQe2e Beschriftung");
  SetupAblegen(Block({L"#n=ZQe2e Beschriftung", L"#z=P", L"#m=1", L"#d=Prog.exe," + menue}));
  Programmdatei(L"Prog.exe");
  Installer& s = Starten();
  ASSERT_TRUE(s.Bereit());
  s.Klicken("BuNichtKopieren");
  ErwarteSeite(s, "PaChecks", 3, Ordner());
  EXPECT_EQ(s.Text("LaDesktop"), L"  Hintergrund-\r\n  Fläche");

  s.Klicken("LaDesktop");
  EXPECT_TRUE(WartenBis([&] { return DateiDa(DesktopLink(menue)); })) << L"the label did not tick the box";
  EXPECT_EQ(s.Zustand("CheDesktop"), 1);
  EXPECT_EQ(LinkZiel(DesktopLink(menue)).value_or(L"(none)"), Ordner() + L"Prog.exe");
  s.Klicken("LaDesktop");
  EXPECT_TRUE(WartenBis([&] { return !DateiDa(DesktopLink(menue)); })) << L"the label did not clear the box";
  EXPECT_EQ(s.Zustand("CheDesktop"), 0);
  EXPECT_TRUE(s.Beenden());
}

}  // namespace
}  // namespace e2e
