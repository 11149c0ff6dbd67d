// The hidden diagnostics window: opened only by J then X with Ctrl, Alt and Shift held, its text
// of the installer state, its page boxes, and Escape.
#include <windows.h>

#include <string>
#include <vector>

#include "tests/e2e/Fall.h"

namespace e2e {
namespace {

class Diagnosefenster : public Fall {
 protected:
  void SetUp() override {
    Fall::SetUp();
    if (HasFatalFailure()) return;
    menue_ = Menue(L"ZQe2e Diagnose Menü " + Fallname(8));
    SetupAblegen(Block({L"#n=ZQe2e Diagnose", L"#z=P", L"#m=1", L"#d=Prog.exe," + menue_ + L", -x ,y",
                        L"#d=Liesmich.txt"}));
    Programmdatei(L"Prog.exe");
    Programmdatei(L"Liesmich.txt");
  }

  std::wstring Info(const std::wstring& zielOrt) const {
    return L"LetzterKopierPfad = " + zielOrt + L"\r\n\r\n" +
           L"Programm-Dateien (inklusive der Install-Exe als letzte Datei):" +
           L"\r\nDatei = Prog.exe\tText = " + menue_ + L"\tParameter =  -x  y" +
           L"\r\nDatei = Liesmich.txt\tText = \tParameter =" +
           L"\r\nDatei = Setup.exe\tText = \tParameter =";
  }

  static HWND Oeffnen(const Installer& s) {
    s.Druecken({'J', 'X'}, kStrgAltUmschalt);
    return s.Diagnosefenster(10000);
  }

  std::wstring menue_;
};

const char* const kSeitenBoxen[] = {"ChePanelPfad", "ChePanelFehler", "ChePanelIstSchonDa",
                                    "ChePanelChecks", "ChePanelLeer"};

TEST_F(Diagnosefenster, OeffnetNurMitJUndXBeiStrgAltUmschalt) {
  Installer& s = Starten();
  ASSERT_TRUE(s.Bereit());
  ErwarteSeite(s, "PaPfad", 2, L"");

  s.Druecken('X', kStrgAltUmschalt);
  EXPECT_EQ(s.Diagnosefenster(700), nullptr) << L"X alone opened it";
  s.Druecken({'J', 'X'});
  EXPECT_EQ(s.Diagnosefenster(700), nullptr) << L"J, X without modifiers opened it";
  s.Druecken('J', kStrg | kAlt);
  s.Druecken('X', kStrgAltUmschalt);
  EXPECT_EQ(s.Diagnosefenster(700), nullptr) << L"J without Shift counted";

  // With the mouse button held the keys count for nothing.
  const POINT neutral = Mitte(s.Teil("PaFuss1"));
  ::SetCursorPos(neutral.x, neutral.y);
  Maustaste(false);
  s.Druecken({'J', 'X'}, kStrgAltUmschalt);
  Maustaste(true);
  EXPECT_EQ(s.Diagnosefenster(700), nullptr) << L"the keys counted with the mouse button held";

  // A key between J and X that is not pressed with exactly the three modifiers (here the mouse
  // button is held as well) neither counts nor resets J.
  EXPECT_TRUE(Vordergrund(s.Hauptfenster()));
  ModifikatorenDruecken(kStrgAltUmschalt);
  Taste('J');
  Maustaste(false);
  Taste(VK_F5);
  Maustaste(true);
  Taste('X');
  ModifikatorenLoslassen(kStrgAltUmschalt);
  HWND gg = s.Diagnosefenster(10000);
  ASSERT_NE(gg, nullptr) << L"J, F5, X with the modifiers did not open it";

  EXPECT_EQ(automation::Text(gg), L"Fenster schließen --->");
  const SIZE innen = automation::ClientSize(gg);
  EXPECT_EQ(innen.cx, 565);
  EXPECT_EQ(innen.cy, 247);
  HWND info = Installer::TeilVon(gg, "LaInfo");
  EXPECT_EQ(Installer::TextVon(info), Info(L""));
  if (info != nullptr) {
    const automation::Bounds b = automation::BoundsInParent(info);
    EXPECT_EQ((std::vector<int>{b.left, b.top, b.width, b.height}), (std::vector<int>{10, 65, 521, 125}));
  }
  for (const char* box : kSeitenBoxen) {
    EXPECT_EQ(Installer::ZustandVon(Installer::TeilVon(gg, box)), 0) << box;
  }
  EXPECT_FALSE(::IsWindowEnabled(s.Hauptfenster())) << L"the main window takes input beside the modal window";

  EXPECT_TRUE(Vordergrund(gg));
  Taste(VK_ESCAPE);
  EXPECT_TRUE(s.DiagnosefensterZu()) << L"Escape did not close it";
  EXPECT_TRUE(WartenBis([&] { return ::IsWindowEnabled(s.Hauptfenster()) != FALSE; }));
  EXPECT_TRUE(s.Laeuft());
  ErwarteSeite(s, "PaPfad", 2, L"");
  EXPECT_TRUE(s.Beenden());
}

TEST_F(Diagnosefenster, SeitenBoxenZeigenUndVerbergenSeiten) {
  Installer& s = Starten();
  ASSERT_TRUE(s.Bereit());
  s.Klicken("BuNichtKopieren");
  ErwarteSeite(s, "PaChecks", 3, Ordner());

  HWND gg = Oeffnen(s);
  ASSERT_NE(gg, nullptr);
  EXPECT_EQ(Installer::TextVon(Installer::TeilVon(gg, "LaInfo")), Info(Ordner()));
  auto klick = [&](const char* box) {
    HWND w = Installer::TeilVon(gg, box);
    if (w != nullptr) MausKlick(gg, w);
  };
  auto seitenSind = [&](const std::vector<std::string>& seiten) {
    return WartenBis([&] { return s.SichtbareSeiten() == seiten; });
  };

  klick("ChePanelLeer");
  EXPECT_TRUE(seitenSind({"PaChecks", "PaLeer"})) << ::testing::PrintToString(s.SichtbareSeiten());
  EXPECT_EQ(Installer::ZustandVon(Installer::TeilVon(gg, "ChePanelLeer")), 1);
  klick("ChePanelLeer");
  EXPECT_TRUE(seitenSind({"PaChecks"})) << ::testing::PrintToString(s.SichtbareSeiten());
  // Ticking shows the page that already shows; clearing hides it, current page or not.
  klick("ChePanelChecks");
  // The page shows already, so only the box tells that the click has arrived.
  EXPECT_TRUE(WartenBis([&] { return Installer::ZustandVon(Installer::TeilVon(gg, "ChePanelChecks")) == 1; }));
  klick("ChePanelChecks");
  EXPECT_TRUE(seitenSind({})) << ::testing::PrintToString(s.SichtbareSeiten());
  klick("ChePanelPfad");
  klick("ChePanelFehler");
  klick("ChePanelIstSchonDa");
  EXPECT_TRUE(seitenSind({"PaFehler", "PaIstSchonDa", "PaPfad"}))
      << ::testing::PrintToString(s.SichtbareSeiten());
  // The page routine is bypassed: the labels stay as they were.
  EXPECT_EQ(s.Text("LaSchritt"), L"Schritt 3 von 3");
  EXPECT_EQ(s.Text("LaZielOrt"), L"Ziel-Ort = " + Ordner());

  // The close box; the pages stay as the boxes left them.
  ::PostMessageA(gg, WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(s.DiagnosefensterZu());
  EXPECT_EQ(s.SichtbareSeiten(), (std::vector<std::string>{"PaFehler", "PaIstSchonDa", "PaPfad"}));

  // Made anew: its boxes start cleared whatever the pages show.
  gg = Oeffnen(s);
  ASSERT_NE(gg, nullptr) << L"it did not open a second time";
  for (const char* box : kSeitenBoxen) {
    EXPECT_EQ(Installer::ZustandVon(Installer::TeilVon(gg, box)), 0) << box;
  }
  EXPECT_TRUE(Vordergrund(gg));
  Taste(VK_ESCAPE);
  EXPECT_TRUE(s.DiagnosefensterZu());
  EXPECT_TRUE(s.Beenden());
}

}  // namespace
}  // namespace e2e
