// Folders of any name: the installer and its files in a folder whose name no 8-bit code page holds
// (Polish, Turkish, Greek and Chinese letters, a check mark and a character beyond the 16-bit plane),
// a target folder of such a name typed into the field, and the German texts on a Windows whose ANSI
// code page is another (Russian, 1251). Links and verbs are read back through the W interfaces.
#include <windows.h>

#include <string>
#include <vector>

#include "tests/e2e/Fall.h"

namespace e2e {
namespace {

const std::wstring kFremdeBuchstaben = L"\u0141\u00f3d\u017a \u2713 Do\u011fan \u03a9\u03bc\u03ad\u03b3\u03b1 \u65b0\u5efa \U0001F600";

class Unicode : public Fall {
 protected:
  void SetUp() override {
    Fall::SetUp();
    if (HasFatalFailure()) return;
    menue_ = Menue(L"ZQe2e Unicode Men\u00fc " + Fallname(6));
  }

  // The installer with its program file in `ordner`, its block naming `ziel` as the target.
  void Ablegen(const std::wstring& ordner, const std::wstring& ziel) {
    OrdnerSetzen(ordner);
    SetupAblegen(Block({L"#n=ZQe2e Z\u00e4hlwerk", L"#z=" + ziel, L"#m=15", L"#d=Prog.exe," + menue_}));
    Programmdatei(L"Prog.exe");
  }

  std::wstring menue_;
};

TEST_F(Unicode, InstalliertAnOrtUndStelleFindetSieWiederUndEntferntSie) {
  ASSERT_NO_FATAL_FAILURE(Ablegen(L"C:\\zq_e2e\\" + kFremdeBuchstaben + L"\\", L"P"));
  const std::wstring ordner = Ordner();
  {
    Installer& s = Starten();
    ASSERT_TRUE(s.Bereit()) << "the installer in " << ordner << " did not open";
    EXPECT_EQ(automation::Text(s.Hauptfenster()), L"ZQe2e Z\u00e4hlwerk installieren");
    ErwarteSeite(s, "PaPfad", 2, L"");
    // The copy button is for another folder only, whatever letters the own folder's name holds.
    s.TextSetzen("EdVerz", ordner.substr(0, ordner.size() - 1));
    EXPECT_TRUE(WartenBis([&] { return !s.Aktiv("BuVerzKopie"); }));
    s.Klicken("BuNichtKopieren");
    ErwarteSeite(s, "PaChecks", 3, ordner);
    s.Klicken("CheDesktop");
    s.Klicken("CheExplorerD");
    ASSERT_TRUE(WartenBis([&] { return DateiDa(DesktopLink(menue_)) && SchluesselDa(DateiVerb(menue_)); }))
        << ::testing::PrintToString(VorhandeneEintraege(menue_));
    EXPECT_EQ(LinkZiel(DesktopLink(menue_)).value_or(L"(none)"), ordner + L"Prog.exe");
    EXPECT_EQ(VerbBefehl(DateiVerb(menue_)).value_or(L"(none)"), L"\"" + ordner + L"Prog.exe\" \"%1\"");
    ASSERT_TRUE(s.Beenden());
  }
  Installer& s = Starten();
  ASSERT_TRUE(s.Bereit());
  ErwarteSeite(s, "PaIstSchonDa", 1, ordner);
  EXPECT_EQ(Boxen(s), (std::vector<int>{1, 0, 0, 0, 1}));
  s.Klicken("BuEntfernen");
  ErwarteSeite(s, "PaLeer", 3, L"");
  EXPECT_TRUE(WartenBis([&] { return VorhandeneEintraege(menue_).empty(); }))
      << ::testing::PrintToString(VorhandeneEintraege(menue_));
  EXPECT_TRUE(DateiDa(ordner + L"Prog.exe")) << "the files stay";
}

TEST_F(Unicode, KopiertInEinenGetipptenOrdnerMitFremdemNamen) {
  ASSERT_NO_FATAL_FAILURE(Ablegen(L"C:\\zq_e2e\\Quelle " + kFremdeBuchstaben + L"\\", L"P"));
  const std::wstring ziel = FremderOrdner(L"C:\\zq_e2e_Ziel \u0141\u011f\u015f \u2713 \U0001F600");
  // The name as an 8-bit code page would have made it of the typed one.
  const std::wstring verlustig = FremderOrdner(L"C:\\zq_e2e_Ziel Lgs");
  Installer& s = Starten();
  ASSERT_TRUE(s.Bereit());
  ErwarteSeite(s, "PaPfad", 2, L"");
  s.TextSetzen("EdVerz", ziel);
  EXPECT_EQ(s.Text("EdVerz"), ziel);
  ASSERT_TRUE(Kopieren(s).fertig);
  ErwarteSeite(s, "PaChecks", 3, ziel);
  EXPECT_EQ(DateiInhalt(ziel + L"Prog.exe").value_or("(none)"), "Inhalt von Prog.exe\r\n");
  EXPECT_FALSE(OrdnerDa(verlustig));
  s.Klicken("CheDesktop");
  ASSERT_TRUE(WartenBis([&] { return DateiDa(DesktopLink(menue_)); }));
  EXPECT_EQ(LinkZiel(DesktopLink(menue_)).value_or(L"(none)"), ziel + L"Prog.exe");
  EXPECT_TRUE(s.Beenden());
}

// Run by an entry of its own, with the Russian locale (LANG=ru_RU.UTF-8), whose ANSI code page 1251
// this test program and the installer it starts take from the Unix side of Wine.
using Codepage1251 = Unicode;

TEST_F(Codepage1251, DeutscheTexteWieGeschrieben) {
  ASSERT_EQ(::GetACP(), 1251u) << "the entry that runs this case sets LANG=ru_RU.UTF-8";
  ASSERT_NO_FATAL_FAILURE(Ablegen(Ordner(), L"P"));
  Installer& s = Starten();
  ASSERT_TRUE(s.Bereit());
  EXPECT_EQ(automation::Text(s.Hauptfenster()), L"ZQe2e Z\u00e4hlwerk installieren");
  ErwarteSeite(s, "PaPfad", 2, L"");
  EXPECT_EQ(s.Text("BuNichtKopieren"), L"sie sollen f\u00fcr immer dort bleiben, wo sie jetzt sind ");
  EXPECT_EQ(s.Text("LaPfad"),
            L"Das Programm ist noch nicht neu installiert worden.\r\n\r\nFrage: Sollen die Programm-Dateien f\u00fcr "
            L"immer dort bleiben, wo sie jetzt sind? Oder sollen sie zu einem anderen Ort kopiert werden?");
  s.Klicken("BuNichtKopieren");
  ErwarteSeite(s, "PaChecks", 3, Ordner());
  EXPECT_EQ(s.Text("CheStart"), L"Start-Men\u00fc");
  EXPECT_TRUE(s.Beenden());
}

}  // namespace
}  // namespace e2e
