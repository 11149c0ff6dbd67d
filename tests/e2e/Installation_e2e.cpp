// First installations (copied, or kept in place) and their menu locations, as a user makes them.
#include <string>
#include <vector>

#include "tests/e2e/Fall.h"

namespace e2e {
namespace {

class Erstinstallation : public Fall {};

const std::vector<int> kAlleLeer = {0, 0, 0, 0, 0};

TEST_F(Erstinstallation, KopiertDieDateienUndSchaltetDesktopUndDateiMenue) {
  const std::string menue = Menue("ZQe2e Erst Menü");
  const std::string ziel = FremderOrdner(ProgrammOrdner() + "ZQe2e Erst");
  SetupAblegen(Block({"#n=ZQe2e Erst", "#z=P", "#m=135", "#d=Prog.exe," + menue + ",-a,-b",
                      "#d=Liesmich.txt"}));
  Programmdatei("Prog.exe");
  Programmdatei("Liesmich.txt");
  Installer& s = Starten();
  ASSERT_TRUE(s.Bereit());

  EXPECT_EQ(automation::Text(s.Hauptfenster()), "ZQe2e Erst installieren");
  ErwarteSeite(s, "PaPfad", 2, "");
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
  EXPECT_EQ(Boxen(s), kAlleLeer) << "the probe found nothing";

  const Kopiervorgang kopie = Kopieren(s);
  ASSERT_TRUE(kopie.fertig);
  EXPECT_TRUE(kopie.kopiertGesehen);
  EXPECT_GE(kopie.millisekunden, 1900u);
  EXPECT_FALSE(s.Sichtbar("LaKopiert"));
  ErwarteSeite(s, "PaChecks", 3, ziel);
  for (const char* datei : {"Prog.exe", "Liesmich.txt", "Setup.exe"}) {
    const auto kopiert = DateiInhalt(ziel + datei);
    ASSERT_TRUE(kopiert.has_value()) << datei << " is not in " << ziel;
    EXPECT_EQ(*kopiert, DateiInhalt(Ordner() + datei).value_or("")) << datei;
  }

  s.Klicken("CheDesktop");
  EXPECT_TRUE(WartenBis([&] { return DateiDa(DesktopLink(menue)); })) << DesktopLink(menue);
  EXPECT_EQ(s.Zustand("CheDesktop"), 1);
  EXPECT_EQ(LinkZiel(DesktopLink(menue)).value_or("(none)"), ziel + "Prog.exe");
  s.Klicken("CheDesktop");
  EXPECT_TRUE(WartenBis([&] { return !DateiDa(DesktopLink(menue)); }));
  EXPECT_EQ(s.Zustand("CheDesktop"), 0);

  s.Klicken("CheSchnell");
  EXPECT_TRUE(WartenBis([&] { return DateiDa(SchnellStartLink(menue)); })) << SchnellStartLink(menue);
  EXPECT_EQ(LinkZiel(SchnellStartLink(menue)).value_or("(none)"), ziel + "Prog.exe");
  s.Klicken("CheSchnell");
  EXPECT_TRUE(WartenBis([&] { return !DateiDa(SchnellStartLink(menue)); }));
  EXPECT_EQ(s.Zustand("CheSchnell"), 0);

  s.Klicken("CheExplorerD");
  EXPECT_TRUE(WartenBis([&] { return VerbBefehl(DateiVerb(menue)).has_value(); }));
  EXPECT_EQ(s.Zustand("CheExplorerD"), 1);
  EXPECT_EQ(VerbBefehl(DateiVerb(menue)).value_or("(none)"),
            "\"" + ziel + "Prog.exe\" \"-a\" \"-b\" \"%1\"");
  s.Klicken("CheExplorerD");
  EXPECT_TRUE(WartenBis([&] { return !SchluesselDa(DateiVerb(menue)); }));
  EXPECT_EQ(s.Zustand("CheExplorerD"), 0);

  EXPECT_EQ(VorhandeneEintraege(menue), std::vector<std::string>{});
  EXPECT_TRUE(s.Beenden());
}

TEST_F(Erstinstallation, BehaeltDieDateienAmOrt) {
  const std::string menue = Menue("ZQe2e Behalten");
  // Keys and folder letters are case-insensitive: "Z" with "w" proposes the Windows folder.
  SetupAblegen(Block({"#n=ZQe2e Behalten", "#Z=w", "#m=24", "#d=Prog.exe," + menue}));
  Programmdatei("Prog.exe");
  Installer& s = Starten();
  ASSERT_TRUE(s.Bereit());

  char windows[MAX_PATH] = {};
  ::GetWindowsDirectoryA(windows, MAX_PATH);
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
  EXPECT_EQ(LinkZiel(StartMenueLink(menue)).value_or("(none)"), Ordner() + "Prog.exe");
  s.Klicken("CheExplorerV");
  const std::string befehl = "\"" + Ordner() + "Prog.exe\" \"%1\"";
  EXPECT_TRUE(WartenBis([&] { return VerbBefehl(OrdnerVerb(menue)).has_value(); }));
  EXPECT_EQ(VerbBefehl(LaufwerkVerb(menue)).value_or("(none)"), befehl);
  EXPECT_EQ(VerbBefehl(OrdnerVerb(menue)).value_or("(none)"), befehl);
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
  const std::string menue = Menue("ZQe2e Beschriftung");
  SetupAblegen(Block({"#n=ZQe2e Beschriftung", "#z=P", "#m=1", "#d=Prog.exe," + menue}));
  Programmdatei("Prog.exe");
  Installer& s = Starten();
  ASSERT_TRUE(s.Bereit());
  s.Klicken("BuNichtKopieren");
  ErwarteSeite(s, "PaChecks", 3, Ordner());
  EXPECT_EQ(s.Text("LaDesktop"), "  Hintergrund-\r\n  Fläche");

  s.Klicken("LaDesktop");
  EXPECT_TRUE(WartenBis([&] { return DateiDa(DesktopLink(menue)); })) << "the label did not tick the box";
  EXPECT_EQ(s.Zustand("CheDesktop"), 1);
  EXPECT_EQ(LinkZiel(DesktopLink(menue)).value_or("(none)"), Ordner() + "Prog.exe");
  s.Klicken("LaDesktop");
  EXPECT_TRUE(WartenBis([&] { return !DateiDa(DesktopLink(menue)); })) << "the label did not clear the box";
  EXPECT_EQ(s.Zustand("CheDesktop"), 0);
  EXPECT_TRUE(s.Beenden());
}

}  // namespace
}  // namespace e2e
