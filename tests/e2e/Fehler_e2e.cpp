// What the installer shows when it cannot install: a bad configuration block, missing program
// files, and a copy step that fails.
#include <string>
#include <vector>

#include "tests/e2e/Fall.h"

namespace e2e {
namespace {

const std::wstring kNichtMoeglich = L"Die Installation ist nicht möglich.\r\n\r\n";
const std::wstring kFalscheDaten = L"Das Installations-Programm enthält falsche Daten für:";
const std::vector<int> kAlleGrau = {2, 2, 2, 2, 2};

class Fehlerseite : public Fall {
 protected:
  // The error page of start-up: step 0, no way back, no target, the boxes never probed.
  void ErwarteStartFehler(const Installer& s, const std::wstring& text) {
    ErwarteSeite(s, "PaFehler", 0, L"");
    EXPECT_EQ(s.Text("LaFehler"), text);
    EXPECT_FALSE(s.Sichtbar("BuFehler"));
    EXPECT_EQ(Boxen(s), kAlleGrau);
  }
};

TEST_F(Fehlerseite, OhneBlockFehlenAlleAngaben) {
  SetupAblegen("");
  Installer& s = Starten();
  ASSERT_TRUE(s.Bereit());
  EXPECT_EQ(automation::Text(s.Hauptfenster()), L"? installieren");
  ErwarteStartFehler(s, kNichtMoeglich + kFalscheDaten +
                            L"\r\n- Programm-Name\r\n- Programm-Dateien\r\n- Ziel-Pfad\r\n- Menüs");
  EXPECT_TRUE(s.Beenden());
}

TEST_F(Fehlerseite, UnvollstaendigerBlockNenntDieFehlendenAngaben) {
  // A file line without a menu text does not count as a program file.
  SetupAblegen(Block({L"#n=ZQe2e Halb", L"#m=1", L"#d=Prog.exe"}));
  Programmdatei(L"Prog.exe");
  Installer& s = Starten();
  ASSERT_TRUE(s.Bereit());
  EXPECT_EQ(automation::Text(s.Hauptfenster()), L"ZQe2e Halb installieren");
  ErwarteStartFehler(s, kNichtMoeglich + kFalscheDaten + L"\r\n- Programm-Dateien\r\n- Ziel-Pfad");
  EXPECT_TRUE(s.Beenden());
}

TEST_F(Fehlerseite, DieSeitendateiGehtDemAngehaengtenBlockVor) {
  // Setup.INI beside Setup.exe is the source even when it holds no valid block.
  SetupAblegen(Block({L"#n=ZQe2e Angehaengt", L"#z=P", L"#m=1", L"#d=Prog.exe," + Menue(L"ZQe2e Angehaengt")}));
  Programmdatei(L"Prog.exe");
  ASSERT_TRUE(DateiSchreiben(Ordner() + L"Setup.INI", "Codierung:\r\n#ZQ1#\r\n#n=ZQe2e Seitendatei\r\n#ZQ1#\r\n"));
  Installer& s = Starten();
  ASSERT_TRUE(s.Bereit());
  EXPECT_EQ(automation::Text(s.Hauptfenster()), L"ZQe2e Seitendatei installieren");
  ErwarteStartFehler(s, kNichtMoeglich + kFalscheDaten + L"\r\n- Programm-Dateien\r\n- Ziel-Pfad\r\n- Menüs");
  EXPECT_TRUE(s.Beenden());
}

TEST_F(Fehlerseite, EineDateiAusserhalbDesOrdnersWeistDenBlockAb) {
  SetupAblegen(Block({L"#n=ZQe2e Aussen", L"#z=P", L"#m=1", L"#d=Prog.exe," + Menue(L"ZQe2e Aussen"), L"#d=..\\x.dll"}));
  Programmdatei(L"Prog.exe");
  ASSERT_TRUE(DateiSchreiben(FremdeDatei(L"C:\\zq_e2e\\x.dll"), "fremd"));
  Installer& s = Starten();
  ASSERT_TRUE(s.Bereit());
  ErwarteStartFehler(s, kNichtMoeglich + kFalscheDaten + L"\r\n- Programm-Dateien");
  EXPECT_TRUE(s.Beenden());
}

// A device exists in every folder for the system, and reading one may never end.
TEST_F(Fehlerseite, EinGeraetIstKeineProgrammdatei) {
  SetupAblegen(Block({L"#n=ZQe2e Geraet", L"#z=" + FremderOrdner(L"C:\\zq_e2e_geraet"), L"#m=1",
                      L"#d=Prog.exe," + Menue(L"ZQe2e Geraet"), L"#d=NUL.txt", L"#?=com1"}));
  Programmdatei(L"Prog.exe");
  Installer& s = Starten();
  ASSERT_TRUE(s.Bereit());
  ErwarteStartFehler(s, kNichtMoeglich + kFalscheDaten + L"\r\n- Programm-Dateien");
  EXPECT_TRUE(s.Beenden());
  EXPECT_FALSE(OrdnerDa(L"C:\\zq_e2e_geraet\\"));
}

TEST_F(Fehlerseite, FehlendeDateienInBeidenListen) {
  const std::wstring menue = Menue(L"ZQe2e Fehlend");
  SetupAblegen(Block({L"#n=ZQe2e Fehlend", L"#z=P", L"#m=1", L"#d=Da.exe," + menue, L"#d=Fehlt.exe",
                      L"#d=Ordner.dat", L"#d=FEHLT.EXE", L"#?=Optional.dll"}));
  Programmdatei(L"Da.exe");
  // A folder of a program file's name is no program file.
  ASSERT_TRUE(OrdnerMachen(Ordner() + L"Ordner.dat"));
  // An entry of an earlier installation: with files missing there is no probe to find it.
  ASSERT_TRUE(LinkAnlegen(DesktopLink(menue), Ordner() + L"Da.exe"));
  Installer& s = Starten();
  ASSERT_TRUE(s.Bereit());
  ErwarteStartFehler(s, kNichtMoeglich +
                            L"Diese Dateien sollen installiert werden:\r\n- Da.exe\r\n- Fehlt.exe\r\n"
                            L"- Ordner.dat\r\n- Setup.exe\r\n\r\n"
                            L"Diese Dateien fehlen:\r\n- Fehlt.exe\r\n- Ordner.dat");
  EXPECT_TRUE(DateiDa(DesktopLink(menue)));
  EXPECT_TRUE(s.Beenden());
}

const std::wstring kZielFehler =
    L"Das Ziel-Verzeichnis kann nicht hergestellt werden.\r\n\r\n"
    L"Mögliche Gründe dafür sind:\r\n"
    L"- Das Verzeichnis wird von Windows gesperrt\r\n"
    L"  (zum Beispiel wegen Nicht-Anmeldung als Administrator).\r\n"
    L"- Das Ziel-Verzeichnis hat einen ungültigen Namen.\r\n"
    L"- Der Datenträger ist schreibgeschützt.\r\n"
    L"- Was anderes. Keine Ahnung, was.";

class Kopierfehler : public Fall {
 protected:
  // The error page of a failed copy: step 2, the button back to the path page, no target.
  void ErwarteKopierFehler(const Installer& s, const std::wstring& text) {
    ErwarteSeite(s, "PaFehler", 2, L"");
    EXPECT_EQ(s.Text("LaFehler"), text);
    EXPECT_TRUE(s.Sichtbar("BuFehler"));
    EXPECT_EQ(s.Text("BuFehler"), L"zurück zur vorherigen Anzeige ");
  }

  void ZurueckZurPfadseite(const Installer& s) {
    s.Klicken("BuFehler");
    ErwarteSeite(s, "PaPfad", 2, L"");
    EXPECT_FALSE(s.Sichtbar("BuFehler"));
  }
};

TEST_F(Kopierfehler, ZielVerzeichnisNichtHerstellbar) {
  const std::wstring menue = Menue(L"ZQe2e Kein Ziel");
  // Beneath a file no folder can be made.
  ASSERT_TRUE(DateiSchreiben(Ordner() + L"sperre.txt", "eine Datei"));
  const std::wstring unmoeglich = Ordner() + L"sperre.txt\\unter\\";
  SetupAblegen(Block({L"#n=ZQe2e Kein Ziel", L"#z=" + unmoeglich, L"#m=1", L"#d=Prog.exe," + menue}));
  Programmdatei(L"Prog.exe");
  Installer& s = Starten();
  ASSERT_TRUE(s.Bereit());
  EXPECT_EQ(s.Text("EdVerz"), unmoeglich);

  const Kopiervorgang kopie = Kopieren(s);
  ASSERT_TRUE(kopie.fertig);
  EXPECT_TRUE(kopie.kopiertGesehen);
  EXPECT_GE(kopie.millisekunden, 1900u);
  ErwarteKopierFehler(s, kZielFehler);
  EXPECT_FALSE(OrdnerDa(unmoeglich));

  ZurueckZurPfadseite(s);
  EXPECT_EQ(s.Text("EdVerz"), unmoeglich);

  // From there a good folder works.
  const std::wstring gut = Ordner() + L"gut\\";
  s.TextSetzen("EdVerz", gut);
  ASSERT_TRUE(Kopieren(s).fertig);
  ErwarteSeite(s, "PaChecks", 3, gut);
  EXPECT_TRUE(DateiDa(gut + L"Prog.exe"));
  EXPECT_TRUE(s.Beenden());
}

TEST_F(Kopierfehler, DateiNichtKopierbar) {
  const std::wstring menue = Menue(L"ZQe2e Gesperrt");
  const std::wstring ziel = Ordner() + L"ziel\\";
  SetupAblegen(Block({L"#n=ZQe2e Gesperrt", L"#z=" + ziel, L"#m=1", L"#d=Prog.exe," + menue,
                      L"#d=Liesmich.txt"}));
  Programmdatei(L"Prog.exe");
  Programmdatei(L"Liesmich.txt");
  ASSERT_TRUE(OrdnerMachen(ziel));
  ASSERT_TRUE(DateiSchreiben(ziel + L"Prog.exe", "alt"));
  // The source of one file is held open without sharing, so it cannot be read.
  HANDLE gesperrt = ::CreateFileW((Ordner() + L"Liesmich.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(gesperrt, INVALID_HANDLE_VALUE);
  Installer& s = Starten();
  ASSERT_TRUE(s.Bereit());

  const Kopiervorgang kopie = Kopieren(s);
  ::CloseHandle(gesperrt);
  ASSERT_TRUE(kopie.fertig);
  EXPECT_GE(kopie.millisekunden, 1900u);
  ErwarteKopierFehler(s, L"Diese Dateien konnten nicht kopiert werden:\r\nLiesmich.txt\r\n\r\n"
                         L"Der Grund dafür ist nicht bekannt.");
  // Nor are the others: the earlier installation stays as it was.
  EXPECT_EQ(DateiInhalt(ziel + L"Prog.exe").value_or("(none)"), "alt");
  EXPECT_FALSE(DateiDa(ziel + L"Setup.exe"));

  ZurueckZurPfadseite(s);
  EXPECT_TRUE(s.Beenden());
}

}  // namespace
}  // namespace e2e
