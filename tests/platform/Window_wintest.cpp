#include "platform/Window.h"

#include <objbase.h>

#include <string>

#include <gtest/gtest.h>

#include "platform/Application.h"
#include "platform/Button.h"
#include "platform/FolderChooser.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/Panel.h"
#include "platform/Shape.h"
#include "tests/support/Automation.h"
#include "tests/support/Fenster.h"

using testfenster::H;

TEST(Control, OwnVisibilityFlagIsIndependentOfTheParent) {
  platform::Window fenster;
  platform::Panel panel(&fenster);
  platform::Label label(&panel);
  // The window itself is hidden: the children keep their own flags.
  EXPECT_FALSE(fenster.Visible());
  EXPECT_TRUE(panel.Visible());
  EXPECT_TRUE(label.Visible());
  panel.SetVisible(false);
  EXPECT_TRUE(label.Visible());
  EXPECT_FALSE(::IsWindowVisible(H(label)));
  label.SetVisible(false);
  EXPECT_FALSE(label.Visible());
  EXPECT_FALSE(automation::OwnVisible(H(label)));
  panel.SetVisible(true);
  EXPECT_FALSE(label.Visible());
  EXPECT_TRUE(automation::OwnVisible(H(panel)));
}

TEST(Control, LaterSiblingsLieAboveAndDrawnOnesBeneathAll) {
  platform::Window fenster;
  platform::Label a(&fenster);
  platform::Panel p1(&fenster);
  platform::Label b(&fenster);
  platform::Button k(&fenster);
  platform::Shape s(&fenster);
  platform::Panel p2(&fenster);
  using Liste = std::vector<HWND>;
  EXPECT_EQ(automation::ChildrenTopFirst(H(fenster)), (Liste{H(p2), H(k), H(p1), H(s), H(b), H(a)}));
  p1.BringToFront();
  EXPECT_EQ(automation::ChildrenTopFirst(H(fenster)), (Liste{H(p1), H(p2), H(k), H(s), H(b), H(a)}));
  a.BringToFront();
  EXPECT_EQ(automation::ChildrenTopFirst(H(fenster)), (Liste{H(p1), H(p2), H(k), H(a), H(s), H(b)}));
  // Children in creation order, whatever the z-order.
  ASSERT_EQ(fenster.Children().size(), 6u);
  EXPECT_EQ(fenster.Children()[0], &a);
  EXPECT_EQ(fenster.Children()[5], &p2);
  EXPECT_EQ(fenster.Controls().size(), 6u);
}

TEST(Control, FontsAreTahomaAtEightAndTenPoint) {
  platform::Window fenster;
  platform::Label klein(&fenster);
  platform::Label gross(&fenster);
  gross.SetFont(platform::FontStyle{L"Tahoma", platform::kHeight10pt, true, platform::Color::Rgb(0xFFFFFF)});
  platform::Button knopf(&fenster);
  for (HWND h : {H(fenster), H(klein), H(knopf)}) {
    const automation::FontInfo f = automation::Font(h);
    EXPECT_EQ(f.face, "Tahoma");
    EXPECT_EQ(f.characterHeight, 11);
    EXPECT_FALSE(f.bold);
  }
  const automation::FontInfo f = automation::Font(H(gross));
  EXPECT_EQ(f.face, "Tahoma");
  EXPECT_EQ(f.characterHeight, 13);
  EXPECT_TRUE(f.bold);
  // Measured in the control's surface as GDI measures it.
  EXPECT_EQ(fenster.TextWidth(gross.Font(), L"Fertig."), automation::TextWidth(H(gross), L"Fertig."));
}

TEST(Window, ClientSizeAndCentringOnTheFirstShowOnly) {
  platform::Window fenster(platform::BorderIcons{true, false});
  fenster.SetClientSize(300, 200);
  EXPECT_EQ(fenster.ClientWidth(), 300);
  EXPECT_EQ(fenster.ClientHeight(), 200);
  const LONG stil = ::GetWindowLongA(H(fenster), GWL_STYLE);
  EXPECT_NE(stil & WS_MINIMIZEBOX, 0);
  EXPECT_EQ(stil & (WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
  fenster.SetCenterOnFirstShow(true);
  fenster.Show();
  testfenster::Warten();
  EXPECT_EQ(fenster.Left(), (::GetSystemMetrics(SM_CXSCREEN) - fenster.Width()) / 2);
  EXPECT_EQ(fenster.Top(), (::GetSystemMetrics(SM_CYSCREEN) - fenster.Height()) / 2);
  fenster.SetBounds(10, 20, fenster.Width(), fenster.Height());
  fenster.SetVisible(false);
  fenster.Show();
  EXPECT_EQ(fenster.Left(), 10);
  EXPECT_EQ(fenster.Top(), 20);
}

namespace {

struct Beobachtung {
  platform::Window* modal = nullptr;
  HWND haupt = nullptr;
  bool hauptGesperrt = false;
  bool modalSichtbar = false;
  std::wstring titel;
  std::wstring text;
  std::wstring gewaehlt;
} beobachtet;

void CALLBACK ModalSchliessen(HWND, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(nullptr, timer);
  beobachtet.hauptGesperrt = !::IsWindowEnabled(beobachtet.haupt);
  beobachtet.modalSichtbar = beobachtet.modal->Visible();
  beobachtet.modal->Close();
}

BOOL CALLBACK IstDialog(HWND w, LPARAM p) {
  char klasse[32] = {};
  ::GetClassNameA(w, klasse, sizeof klasse);
  if (std::string(klasse) != "#32770" || !::IsWindowVisible(w)) return TRUE;
  *reinterpret_cast<HWND*>(p) = w;
  return FALSE;
}

// The dialog window (class #32770) that the thread shows at the moment, or null.
HWND OffenerDialog() {
  HWND gefunden = nullptr;
  ::EnumThreadWindows(::GetCurrentThreadId(), &IstDialog, reinterpret_cast<LPARAM>(&gefunden));
  return gefunden;
}

BOOL CALLBACK TitelSuchen(HWND w, LPARAM) {
  if (automation::Text(w) == L"Ziel-Verzeichnis suchen") beobachtet.titel = automation::Text(w);
  return TRUE;
}

void CALLBACK MeldungLesen(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND dialog = OffenerDialog();
  if (dialog == nullptr) return;
  ::KillTimer(nullptr, timer);
  beobachtet.titel = automation::Text(dialog);
  beobachtet.text = automation::Text(::GetDlgItem(dialog, 0xFFFF));
  ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

void CALLBACK OrdnerBestaetigen(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND dialog = OffenerDialog();
  if (dialog == nullptr) return;
  ::KillTimer(nullptr, timer);
  beobachtet.titel.clear();
  ::EnumChildWindows(dialog, &TitelSuchen, 0);
  ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

}  // namespace

TEST(Window, ModalRunDisablesTheOthersUntilClosed) {
  platform::Window haupt;
  haupt.Show();
  platform::Window zweites(platform::BorderIcons{false, false}, &haupt);
  beobachtet = {};
  beobachtet.modal = &zweites;
  beobachtet.haupt = H(haupt);
  ::SetTimer(nullptr, 0, 100, &ModalSchliessen);
  zweites.ShowModal();
  EXPECT_TRUE(beobachtet.hauptGesperrt);
  EXPECT_TRUE(beobachtet.modalSichtbar);
  EXPECT_FALSE(zweites.Visible());
  EXPECT_TRUE(::IsWindowEnabled(H(haupt)));
  EXPECT_TRUE(haupt.Visible());
}

TEST(Meldung, CarriesTheApplicationTitleAndTheText) {
  platform::Window haupt;
  haupt.Show();
  platform::SetApplicationTitle(L"Mein Programm installieren");
  beobachtet = {};
  ::SetTimer(nullptr, 0, 50, &MeldungLesen);
  const int antwort = platform::ShowMessageBox(&haupt, L"Installations-Programm, Version 19",
                                               platform::ApplicationTitle().c_str(), platform::kMbOk);
  EXPECT_EQ(antwort, platform::kIdOk);
  EXPECT_EQ(beobachtet.titel, L"Mein Programm installieren");
  EXPECT_EQ(beobachtet.text, L"Installations-Programm, Version 19");
}

TEST(FolderChooser, ShowsTheTitleStartsAtTheFolderAndReturnsIt) {
  ASSERT_TRUE(SUCCEEDED(::CoInitialize(nullptr)));
  {
    // A folder that is not the chooser's own first choice (the desktop).
    wchar_t system[MAX_PATH] = {};
    ::GetSystemDirectoryW(system, MAX_PATH);
    const std::wstring start = system;
    platform::Window haupt;
    haupt.Show();
    beobachtet = {};
    ::SetTimer(nullptr, 0, 300, &OrdnerBestaetigen);
    std::wstring gewaehlt = L"unverändert";
    ASSERT_TRUE(platform::ChooseFolder(&haupt, L"Ziel-Verzeichnis suchen", start, gewaehlt));
    EXPECT_EQ(beobachtet.titel, L"Ziel-Verzeichnis suchen");
    EXPECT_EQ(gewaehlt, start);
  }
  ::CoUninitialize();
}
