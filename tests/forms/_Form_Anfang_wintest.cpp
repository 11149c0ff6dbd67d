#include "forms/_Form_Anfang.h"

#include <windows.h>

#include <oleacc.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "lib/_zq_EditPopup_1.h"
#include "tests/support/Automation.h"
#include "tests/support/Fenster.h"

using automation::Bounds;
using testfenster::H;

namespace {

struct Zeile {
  const char* name;
  platform::Control* teil;
  const char* eltern;
  int left, top, width, height;  // -1: the control's own size, checked elsewhere
};

// The main window as an automation program sees it, each control by its member's name.
class Hauptfenster : public ::testing::Test {
 protected:
  HWND Teil(const std::string& name) {
    for (const Zeile& z : tabelle) {
      if (name == z.name) return H(*z.teil);
    }
    ADD_FAILURE() << "no control " << name;
    return nullptr;
  }
  Bounds Lage(const std::string& name) { return automation::BoundsInParent(Teil(name)); }
  std::string Eltern(const std::string& name) {
    HWND eltern = ::GetAncestor(Teil(name), GA_PARENT);
    if (eltern == H(fenster)) return "aa";
    for (const Zeile& z : tabelle) {
      if (H(*z.teil) == eltern) return z.name;
    }
    return "?";
  }
  int Breite(const std::string& name) {
    return automation::TextWidth(Teil(name), automation::Text(Teil(name)));
  }

  Taa fenster;
#define ZQ_GLIED(name) #name, &fenster.name
  // Every control in creation order, with its parent and final bounds.
  const std::vector<Zeile> tabelle = {
    {ZQ_GLIED(LaZielOrt), "aa", 25, 20, -1, 15},
      {ZQ_GLIED(LaSchritt), "aa", 25, 310, -1, 15},
      {ZQ_GLIED(BuClose), "aa", 410, 330, 80, 40},
      {ZQ_GLIED(PaFehler), "aa", 25, 45, 460, 250},
      {ZQ_GLIED(LaFehler), "PaFehler", 10, 10, 440, 230},
      {ZQ_GLIED(BuFehler), "PaFehler", -1, 200, -1, 30},
      {ZQ_GLIED(PaRahmen), "aa", 20, 40, 470, 260},
      {ZQ_GLIED(PaChecks), "aa", 25, 45, 460, 250},
      {ZQ_GLIED(LaDesktop), "PaChecks", 10, 65, 85, 30},
      {ZQ_GLIED(LaMacheChecks), "PaChecks", 10, 10, -1, -1},
      {ZQ_GLIED(PaExplorer), "PaChecks", 130, 45, 316, 160},
      {ZQ_GLIED(PaExOben), "PaExplorer", 2, 2, 312, 15},
      {ZQ_GLIED(PaExLinks), "PaExplorer", 2, 30, 155, 128},
      {ZQ_GLIED(LaNameL2), "PaExLinks", 5, 10, -1, 15},
      {ZQ_GLIED(PaExRechts), "PaExplorer", 159, 30, 155, 128},
      {ZQ_GLIED(LaNameR2), "PaExRechts", 5, 10, -1, 15},
      {ZQ_GLIED(PaMausR), "PaExplorer", 169, 55, 130, 65},
      {ZQ_GLIED(Label7), "PaMausR", 21, 18, 110, 45},
      {ZQ_GLIED(CheExplorerD), "PaMausR", 4, 3, 125, 15},
      {ZQ_GLIED(PaMausL), "PaExplorer", 12, 55, 130, 65},
      {ZQ_GLIED(Label1), "PaMausL", 21, 18, 110, 45},
      {ZQ_GLIED(CheExplorerV), "PaMausL", 5, 3, 124, 15},
      {ZQ_GLIED(CheDesktop), "PaChecks", 45, 45, 15, 15},
      {ZQ_GLIED(PaSchnell), "PaChecks", 0, 225, 460, 25},
      {ZQ_GLIED(ShaSchnell1), "PaSchnell", 45, 6, 13, 13},
      {ZQ_GLIED(ShaSchnell2), "PaSchnell", 60, 6, 13, 13},
      {ZQ_GLIED(LaSchnell), "PaSchnell", 238, 5, 150, 15},
      {ZQ_GLIED(CheSchnell), "PaSchnell", 75, 5, 163, 15},
      {ZQ_GLIED(PaStart3), "PaSchnell", 1, 3, 39, 20},
      {ZQ_GLIED(PaStart), "PaChecks", 0, 127, 100, 100},
      {ZQ_GLIED(Bevel1), "PaStart", 5, 30, 90, 2},
      {ZQ_GLIED(CheStart), "PaStart", 5, 10, 85, 15},
      {ZQ_GLIED(PaFuss2), "aa", 150, 350, 210, 20},
      {ZQ_GLIED(PaFuss1), "aa", 215, 300, 80, 50},
      {ZQ_GLIED(PaPfad), "aa", 25, 45, 460, 250},
      {ZQ_GLIED(LaPfad), "PaPfad", 10, 10, 440, 230},
      {ZQ_GLIED(SpeVerzSuche), "PaPfad", 385, 200, 65, 22},
      {ZQ_GLIED(LaKopiert), "PaPfad", -1, 200, 70, 29},
      {ZQ_GLIED(BuNichtKopieren), "PaPfad", 10, 115, -1, 30},
      {ZQ_GLIED(BuVerzKopie), "PaPfad", 10, 200, -1, 30},
      {ZQ_GLIED(EdVerz), "PaPfad", 9, 170, 440, 22},
      {ZQ_GLIED(PaIstSchonDa), "aa", 25, 45, 460, 250},
      {ZQ_GLIED(LaIstSchonDa), "PaIstSchonDa", 10, 10, 440, 230},
      {ZQ_GLIED(BuBehalten), "PaIstSchonDa", 10, 150, -1, 30},
      {ZQ_GLIED(BuEntfUndNeu), "PaIstSchonDa", 10, 200, -1, 30},
      {ZQ_GLIED(BuEntfernen), "PaIstSchonDa", 10, 100, -1, 30},
      {ZQ_GLIED(PaLeer), "aa", 25, 45, 460, 250},
      {ZQ_GLIED(LaLeer), "PaLeer", 10, 10, 440, 230},
  };
#undef ZQ_GLIED
};

const char* const kSeiten[] = {"PaChecks", "PaPfad", "PaIstSchonDa", "PaLeer", "PaFehler"};

const char* const kVerbreitert[] = {"BuEntfernen", "BuBehalten",      "BuEntfUndNeu",
                                    "BuVerzKopie", "BuNichtKopieren", "BuFehler"};



}  // namespace

TEST_F(Hauptfenster, ClientAreaAndPagesInsideTheFrame) {
  const SIZE client = automation::ClientSize(H(fenster));
  EXPECT_EQ(client.cx, 510);
  EXPECT_EQ(client.cy, 390);
  EXPECT_EQ(Lage("PaRahmen"), (Bounds{20, 40, 470, 260}));
  for (const char* seite : kSeiten) {
    EXPECT_EQ(Lage(seite), (Bounds{25, 45, 460, 250})) << seite;
    EXPECT_FALSE(automation::OwnVisible(Teil(seite))) << seite;
  }
  EXPECT_FALSE(automation::OwnVisible(H(fenster)));
  EXPECT_EQ(aa, &fenster);
}

TEST_F(Hauptfenster, EveryControlHasItsParentAndBounds) {
  for (const Zeile& z : tabelle) {
    const Bounds b = Lage(z.name);
    EXPECT_EQ(Eltern(z.name), z.eltern) << z.name;
    EXPECT_EQ(b.top, z.top) << z.name;
    if (z.left >= 0) {
      EXPECT_EQ(b.left, z.left) << z.name;
    }
    if (z.width >= 0) {
      EXPECT_EQ(b.width, z.width) << z.name;
    }
    if (z.height >= 0) {
      EXPECT_EQ(b.height, z.height) << z.name;
    }
  }
  // The labels that size themselves are as wide as their texts.
  for (const char* name : {"LaZielOrt", "LaSchritt", "LaMacheChecks", "LaNameL2", "LaNameR2"}) {
    EXPECT_EQ(Lage(name).width, Breite(name)) << name;
  }
  EXPECT_EQ(Lage("LaMacheChecks").height, automation::Font(Teil("LaMacheChecks")).lineHeight);
  // Every control of the table exists once, created in the table's order.
  std::vector<platform::Control*> erzeugt;
  for (const Zeile& z : tabelle) erzeugt.push_back(z.teil);
  EXPECT_EQ(fenster.Controls(), erzeugt);
}

TEST_F(Hauptfenster, WidenedButtonsAreTheirMeasuredCaptionPlusTwenty) {
  const wchar_t* texte[] = {L"die vorhandene Installation soll nur entfernt werden ",
                         L"die vorhandene Installation soll geändert werden ",
                         L"die Installation soll ganz neu gemacht werden ",
                         L"sie sollen in dieses Verzeichnis kopiert werden ",
                         L"sie sollen für immer dort bleiben, wo sie jetzt sind ",
                         L"zurück zur vorherigen Anzeige "};
  for (int i = 0; i < 6; ++i) {
    HWND knopf = Teil(kVerbreitert[i]);
    EXPECT_EQ(automation::Text(knopf), texte[i]);
    EXPECT_EQ(automation::BoundsInParent(knopf).width, Breite(kVerbreitert[i]) + 20)
        << kVerbreitert[i];
  }
  EXPECT_EQ(automation::Text(Teil("BuClose")), L"Beenden");
  const Bounds kopie = Lage("BuVerzKopie");
  const Bounds kopiert = Lage("LaKopiert");
  EXPECT_EQ(kopiert.left, kopie.left + kopie.width + 5);
  EXPECT_EQ(kopiert.top, kopie.top);
  EXPECT_EQ(kopiert.height, kopie.height - 1);
  const Bounds zurueck = Lage("BuFehler");
  EXPECT_EQ(zurueck.left + zurueck.width, 460 - 20);
  EXPECT_EQ(Lage("SpeVerzSuche").left + 65, Lage("EdVerz").left + 440 + 1);
}

TEST_F(Hauptfenster, TextsAndStatesAtCreation) {
  struct Text {
    const char* name;
    const wchar_t* text;
  };
  const Text texte[] = {
      {"LaZielOrt", L"LaZielOrt"},
      {"LaSchritt", L"LaSchritt"},
      {"LaFehler", L""},
      {"LaDesktop", L"  Hintergrund-\r\n  Fläche"},
      {"LaMacheChecks", L"Letzte Frage: Wo soll das Programm angezeigt werden?"},
      {"PaExOben", L"Windows-Explorer"},
      {"LaNameL2", L" Verzeichnis-Namen "},
      {"LaNameR2", L" Datei-Namen "},
      {"Label7", L"(nachdem die rechte Maus-Taste gedrückt worden ist)"},
      {"CheExplorerD", L"Mauszeiger-Menü"},
      {"Label1", L"(nachdem die rechte Maus-Taste gedrückt worden ist)"},
      {"CheExplorerV", L"Mauszeiger-Menü"},
      {"CheDesktop", L""},
      {"LaSchnell", L"(wenn der Bereich sichtbar ist)"},
      {"CheSchnell", L"XP-Schnell-Start-Bereich"},
      {"PaStart3", L"Start"},
      {"CheStart", L"Start-Menü"},
      {"PaFuss2", L"Installations-Programm, Version " ZQ_VERSION},
      {"LaPfad",
       L"Das Programm ist noch nicht neu installiert worden.\r\n\r\nFrage: Sollen die "
       L"Programm-Dateien für immer dort bleiben, wo sie jetzt sind? Oder sollen sie zu einem "
       L"anderen Ort kopiert werden?"},
      {"SpeVerzSuche", L"suchen ..."},
      {"LaKopiert", L"kopiert ..."},
      {"EdVerz", L""},
      {"LaIstSchonDa",
       L"Eine alte Installation ist schon vorhanden.\r\n\r\nFrage: Was soll mit der vorhandenen "
       L"Installation gemacht werden?"},
      {"LaLeer", L"Fertig."},
  };
  for (const Text& t : texte) EXPECT_EQ(automation::Text(Teil(t.name)), t.text) << t.name;
  EXPECT_EQ(automation::Text(H(fenster)), L"Programm installieren");
  for (const char* box : {"CheDesktop", "CheStart", "CheSchnell", "CheExplorerV", "CheExplorerD"}) {
    EXPECT_EQ(::SendMessageA(Teil(box), BM_GETCHECK, 0, 0), BST_INDETERMINATE) << box;
  }
  EXPECT_FALSE(automation::OwnVisible(Teil("BuFehler")));
  EXPECT_FALSE(automation::OwnVisible(Teil("LaKopiert")));
  // Whatever a user operates is a tab stop, the keyboard's way to it; what only shows is none.
  for (const Zeile& z : tabelle) {
    const bool tabStop = (::GetWindowLongA(Teil(z.name), GWL_STYLE) & WS_TABSTOP) != 0;
    char klasse[32] = {};
    ::GetClassNameA(Teil(z.name), klasse, sizeof klasse);
    const std::string art = klasse;
    EXPECT_EQ(tabStop, art == "Button" || art == "Edit" || art == "ZQSpeedButton") << z.name;
  }
  const LONG stil = ::GetWindowLongA(H(fenster), GWL_STYLE);
  EXPECT_NE(stil & WS_SYSMENU, 0);
  EXPECT_NE(stil & WS_MINIMIZEBOX, 0);
  EXPECT_EQ(stil & (WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
  EXPECT_EQ(::SendMessageA(Teil("BuClose"), WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON,
            DLGC_DEFPUSHBUTTON);
}

TEST_F(Hauptfenster, FontsAreTahomaInTheirSizesAndWeights) {
  const std::vector<std::string> fett8 = {
      "LaZielOrt",  "LaSchritt",       "BuClose",     "BuFehler",    "LaDesktop",
      "CheExplorerD", "CheExplorerV",  "CheSchnell",  "CheStart",    "LaKopiert",
      "BuNichtKopieren", "BuVerzKopie", "BuBehalten", "BuEntfUndNeu", "BuEntfernen"};
  const std::vector<std::string> fett10 = {"LaFehler", "LaMacheChecks", "LaPfad", "LaIstSchonDa",
                                           "LaLeer"};
  auto enthalten = [](const std::vector<std::string>& liste, const std::string& name) {
    return std::find(liste.begin(), liste.end(), name) != liste.end();
  };
  for (const Zeile& z : tabelle) {
    const automation::FontInfo f = automation::Font(Teil(z.name));
    EXPECT_EQ(f.face, "Tahoma") << z.name;
    EXPECT_EQ(f.characterHeight, enthalten(fett10, z.name) ? 13 : 11) << z.name;
    EXPECT_EQ(f.bold, enthalten(fett8, z.name) || enthalten(fett10, z.name)) << z.name;
  }
  EXPECT_EQ(automation::Font(H(fenster)).face, "Tahoma");
  EXPECT_EQ(automation::Font(H(fenster)).characterHeight, 11);
}

TEST_F(Hauptfenster, ColoursOfPagesFrameAndPicture) {
  struct Farbe {
    const char* name;
    int x, y;
    std::uint32_t rgb;
  };
  const Farbe farben[] = {
      {"PaFehler", 459, 249, 0xFF0000},
      {"LaFehler", 5, 5, 0xFF0000},  // transparent, empty
      {"PaRahmen", 2, 2, 0x000000},
      {"PaChecks", 459, 0, 0x0080FF},
      {"PaPfad", 459, 0, 0x40A040},
      {"PaIstSchonDa", 459, 0, 0x8055FF},
      {"PaLeer", 459, 0, 0x0080FF},
      {"LaLeer", 439, 229, 0x0080FF},
      {"PaFuss1", 1, 1, 0x000000},
      {"PaFuss2", 1, 1, 0x000000},
      {"LaDesktop", 84, 0, testfenster::Rgb(COLOR_BTNFACE)},
      {"PaExOben", 311, 1, testfenster::Rgb(COLOR_ACTIVECAPTION)},
      {"PaExLinks", 150, 120, testfenster::Rgb(COLOR_WINDOW)},
      {"LaNameL2", 0, 0, testfenster::Rgb(COLOR_WINDOW)},
      {"LaKopiert", 1, 1, 0x00FF00},
      {"ShaSchnell1", 0, 0, 0x808080},
      {"ShaSchnell2", 12, 12, 0x808080},
      {"PaExplorer", 0, 0, testfenster::Rgb(COLOR_BTNHIGHLIGHT)},
      {"PaStart3", 0, 0, testfenster::Rgb(COLOR_BTNSHADOW)},
      {"PaStart", 1, 1, testfenster::Rgb(COLOR_BTNHIGHLIGHT)},
  };
  for (const Farbe& f : farben) {
    EXPECT_EQ(automation::PrintedPixel(Teil(f.name), f.x, f.y), f.rgb) << f.name;
  }
}

TEST_F(Hauptfenster, PagesLieAboveTheFrameAndTheCloseButtonOnTop) {
  std::vector<HWND> erwartet;
  for (const char* name : {"BuClose", "PaFehler", "PaLeer", "PaIstSchonDa", "PaPfad", "PaFuss1", "PaFuss2",
                           "PaChecks", "PaRahmen", "LaSchritt", "LaZielOrt"}) {
    erwartet.push_back(Teil(name));
  }
  EXPECT_EQ(automation::ChildrenTopFirst(H(fenster)), erwartet);
}

TEST_F(Hauptfenster, OnlyTheTargetFolderFieldHasTheEditMenu) {
  auto* menue = static_cast<TZQEditPop*>(fenster.EdVerz.GetPopupMenu());
  ASSERT_NE(menue, nullptr);
  EXPECT_EQ(menue->Punkte[1]->Caption(), L"&dieses Menü abbrechen");
}

TEST_F(Hauptfenster, EscapeAndEnterPressTheCloseButton) {
  int beenden = 0, kopieren = 0;
  auto beendenKlick = [&](platform::Control&) { ++beenden; };
  auto kopierenKlick = [&](platform::Control&) { ++kopieren; };
  fenster.BuClose.OnClick = testfenster::An(beendenKlick);
  fenster.BuVerzKopie.OnClick = testfenster::An(kopierenKlick);
  fenster.PaPfad.SetVisible(true);
  fenster.Show();
  testfenster::Warten();
  // Centred on the first show, with the fitted size.
  EXPECT_EQ(fenster.Left(), (::GetSystemMetrics(SM_CXSCREEN) - fenster.Width()) / 2);
  EXPECT_TRUE(testfenster::Fokus(fenster.BuClose));
  testfenster::Taste(VK_RETURN);
  EXPECT_EQ(beenden, 1);
  // Enter in the folder field presses the copy button, but the close button while that cannot be
  // pressed.
  fenster.EdVerz.SetFocus();
  testfenster::Taste(VK_ESCAPE);
  fenster.BuVerzKopie.SetEnabled(false);
  testfenster::Taste(VK_RETURN);
  EXPECT_EQ(beenden, 3);
  fenster.BuVerzKopie.SetEnabled(true);
  testfenster::Taste(VK_RETURN);
  EXPECT_EQ(kopieren, 1);
  // Real keyboard input takes the same way.
  INPUT tasten[2] = {};
  tasten[0].type = tasten[1].type = INPUT_KEYBOARD;
  tasten[0].ki.wVk = tasten[1].ki.wVk = VK_ESCAPE;
  tasten[1].ki.dwFlags = KEYEVENTF_KEYUP;
  ::SendInput(2, tasten, sizeof(INPUT));
  EXPECT_TRUE(automation::PumpUntil([&] { return beenden == 4; }, [] { testfenster::Verarbeiten(); }));
  // Another push button with the focus takes Enter itself.
  fenster.BuVerzKopie.SetFocus();
  testfenster::Taste(VK_RETURN);
  EXPECT_EQ(kopieren, 2);
  EXPECT_EQ(beenden, 4);
}

// The focus rectangles of the own controls: the search button's on itself while it has the focus,
// the desktop box's (which has no caption) on the box's label. (Wine keeps no UI state and shows focus
// cues always; Windows hides them until the keyboard is used, and Tab shows them.)
TEST_F(Hauptfenster, OwnControlsShowTheFocusTheKeyboardBrings) {
  fenster.PaPfad.SetVisible(true);
  fenster.Show();
  testfenster::Warten();
  HWND suchen = H(fenster.SpeVerzSuche);
  const std::uint32_t ohne = automation::PrintedPixel(suchen, 2, 2);
  fenster.EdVerz.SetFocus();
  testfenster::Taste(VK_TAB);
  EXPECT_TRUE(testfenster::Fokus(fenster.SpeVerzSuche));
  EXPECT_NE(automation::PrintedPixel(suchen, 2, 2), ohne);
  fenster.EdVerz.SetFocus();
  EXPECT_EQ(automation::PrintedPixel(suchen, 2, 2), ohne);

  fenster.PaPfad.SetVisible(false);
  fenster.PaChecks.SetVisible(true);
  HWND label = H(fenster.LaDesktop);
  const std::uint32_t grund = automation::PrintedPixel(label, 0, 0);
  fenster.CheDesktop.SetFocus();
  EXPECT_NE(automation::PrintedPixel(label, 0, 0), grund);
  fenster.CheStart.SetFocus();
  EXPECT_EQ(automation::PrintedPixel(label, 0, 0), grund);
}

TEST_F(Hauptfenster, LaterChangesDoNotRefitTheWindow) {
  fenster.Show();
  testfenster::Warten();
  const int breite = fenster.Width();
  const int hoehe = fenster.Height();
  fenster.PaChecks.SetVisible(true);
  fenster.LaZielOrt.SetCaption(L"Ziel-Ort = C:\\Programme\\Ein sehr langer Programm-Name mit "
                               L"vielen Wörtern, die nicht mehr in das Fenster passen\\");
  fenster.LaSchritt.SetCaption(L"Schritt 3 von 3");
  EXPECT_GT(fenster.LaZielOrt.Left() + fenster.LaZielOrt.Width(), fenster.ClientWidth());
  EXPECT_EQ(fenster.LaSchritt.Width(), Breite("LaSchritt"));
  EXPECT_EQ(fenster.Width(), breite);
  EXPECT_EQ(fenster.Height(), hoehe);
  EXPECT_EQ(Lage("PaChecks"), (Bounds{25, 45, 460, 250}));
}

// What a screen reader learns of each captioned control: a system class tells its kind by its class
// name; an own class answers WM_GETOBJECT's class index query with the system class it acts as
// (Wine's proxies report a client role for both, so the answer itself is what is tested). The name
// through the accessibility interface is the caption, or begins with it where the caption alone is
// not the control's own (the two Explorer boxes).
TEST_F(Hauptfenster, EveryCaptionedControlTellsAssistiveTechnologyWhatItIs) {
  ASSERT_TRUE(SUCCEEDED(::CoInitialize(nullptr)));
  fenster.LaFehler.SetCaption(L"Die Installation ist nicht möglich.");
  // What a user clicks for an action among the own classes; their other captioned controls are text.
  const std::vector<const platform::Control*> knoepfe = {&fenster.SpeVerzSuche, &fenster.PaFuss2};
  for (const platform::Control* teil : fenster.Controls()) {
    const std::wstring text = teil->Caption();
    if (text.empty()) continue;
    HWND h = H(*teil);
    wchar_t klasse[32] = {};
    ::GetClassNameW(h, klasse, 32);
    if (std::wcsncmp(klasse, L"ZQ", 2) == 0) {
      const bool knopf = std::find(knoepfe.begin(), knoepfe.end(), teil) != knoepfe.end();
      EXPECT_EQ(::SendMessageW(h, WM_GETOBJECT, 0, OBJID_QUERYCLASSNAMEIDX), 65536 + (knopf ? 2 : 3))
          << klasse << L" " << text;
    }
    const std::wstring gelesen = automation::AccessibleName(h);
    if (teil == &fenster.CheExplorerV || teil == &fenster.CheExplorerD) {
      EXPECT_EQ(gelesen.rfind(text, 0), 0u) << gelesen;
      EXPECT_NE(gelesen, text);
    } else {
      EXPECT_EQ(gelesen, text);
    }
  }
  // The identifier counts as a 32-bit value, however a 64-bit lparam carries it.
  EXPECT_EQ(::SendMessageW(H(fenster.LaPfad), WM_GETOBJECT, 0,
                           static_cast<LPARAM>(static_cast<DWORD>(OBJID_QUERYCLASSNAMEIDX))),
            65536 + 3);
  // A frame, a picture or a grouping is no system control: it answers as a window of its own.
  for (const platform::Control* teil : {static_cast<platform::Control*>(&fenster.PaRahmen),
                                        static_cast<platform::Control*>(&fenster.ShaSchnell1),
                                        static_cast<platform::Control*>(&fenster.Bevel1)}) {
    EXPECT_EQ(::SendMessageW(H(*teil), WM_GETOBJECT, 0, OBJID_QUERYCLASSNAMEIDX), 0);
  }
  ::CoUninitialize();
}
