#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/Bevel.h"
#include "platform/CheckBox.h"
#include "platform/Edit.h"
#include "platform/Label.h"
#include "platform/Panel.h"
#include "platform/PopupMenu.h"
#include "platform/Shape.h"
#include "platform/SpeedButton.h"
#include "platform/Window.h"
#include "tests/support/Automation.h"
#include "tests/support/Fenster.h"

using platform::CheckState;
using platform::Color;
using testfenster::H;

namespace {

void Klicken(HWND h, int x = 2, int y = 2) {
  ::SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  ::SendMessageA(h, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

std::uint32_t Pixel(const platform::Control& c, int x, int y) {
  return automation::PrintedPixel(H(c), x, y);
}

}  // namespace

TEST(CheckBox, SettingTheStateFromCodeRunsTheClickHandlerOnChangeOnly) {
  platform::Window fenster;
  platform::CheckBox box(&fenster);
  std::vector<CheckState> gesehen;
  auto klick = [&](platform::Control& s) {
    gesehen.push_back(static_cast<platform::CheckBox&>(s).State());
  };
  box.OnClick = testfenster::An(klick);
  box.SetState(CheckState::Grayed);
  box.SetState(CheckState::Grayed);
  box.SetChecked(true);
  box.SetChecked(true);
  box.SetChecked(false);
  EXPECT_EQ(gesehen, (std::vector<CheckState>{CheckState::Grayed, CheckState::Checked,
                                              CheckState::Unchecked}));
  EXPECT_EQ(::SendMessageA(H(box), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST(CheckBox, AClickGoesFromGrayedToTickedThenToggles) {
  platform::Window fenster;
  platform::CheckBox box(&fenster);
  box.SetBounds(5, 5, 100, 15);
  box.SetState(CheckState::Grayed);
  std::vector<CheckState> gesehen;
  auto klick = [&](platform::Control&) { gesehen.push_back(box.State()); };
  box.OnClick = testfenster::An(klick);
  for (int i = 0; i < 3; ++i) ::SendMessageA(H(box), BM_CLICK, 0, 0);
  EXPECT_EQ(gesehen, (std::vector<CheckState>{CheckState::Checked, CheckState::Unchecked,
                                              CheckState::Checked}));
  EXPECT_EQ(::SendMessageA(H(box), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST(Label, AutoSizeFollowsTheCaptionAndTheFont) {
  platform::Window fenster;
  platform::Label label(&fenster);
  label.SetBounds(7, 8, 50, 40);
  label.SetCaption(L"Ziel-Ort = C:\\Programme\\");
  EXPECT_EQ(label.Width(), 50);
  label.SetAutoSize(true);
  const int breite = automation::TextWidth(H(label), L"Ziel-Ort = C:\\Programme\\");
  EXPECT_EQ(label.Width(), breite);
  EXPECT_EQ(label.Height(), automation::Font(H(label)).lineHeight);
  // A height set afterwards stays until the caption changes again.
  label.SetBounds(7, 8, label.Width(), 15);
  EXPECT_EQ(label.Height(), 15);
  label.SetFont(platform::FontStyle{L"Tahoma", platform::kHeight10pt, true});
  const int zeile = automation::Font(H(label)).lineHeight;
  EXPECT_GT(label.Width(), breite);
  EXPECT_EQ(label.Height(), zeile);
  label.SetCaption(L"");
  EXPECT_EQ(label.Height(), zeile);
  EXPECT_EQ(label.Left(), 7);
  EXPECT_EQ(label.Top(), 8);
  // With word wrap only the height follows.
  label.SetWordWrap(true);
  label.SetBounds(7, 8, 60, 10);
  label.SetCaption(L"eins zwei drei vier fünf sechs");
  EXPECT_EQ(label.Width(), 60);
  EXPECT_GE(label.Height(), 2 * zeile);
}

TEST(Label, ATransparentLabelShowsItsParentsColourOpaqueOneItsOwn) {
  platform::Window fenster;
  platform::Panel seite(&fenster);
  seite.SetBackColor(Color::Rgb(0x40A040));
  platform::Label label(&seite);
  label.SetBounds(0, 0, 60, 20);
  label.SetBackColor(Color::Rgb(0x0000FF));
  label.SetFont(platform::FontStyle{L"Tahoma", platform::kHeight10pt, true, Color::Rgb(0xFFFFFF)});
  label.SetCaption(L"I");
  EXPECT_EQ(Pixel(label, 50, 10), 0x0000FFu);
  label.SetTransparent(true);
  EXPECT_EQ(Pixel(label, 50, 10), 0x40A040u);
  bool weiss = false;
  for (int x = 0; x < 10; ++x) weiss = weiss || Pixel(label, x, 8) == 0xFFFFFFu;
  EXPECT_TRUE(weiss);
}

TEST(Label, AClickRunsTheHandlerAndTakesNoFocus) {
  platform::Window fenster;
  platform::Edit feld(&fenster);
  platform::Label label(&fenster);
  platform::SpeedButton knopf(&fenster);
  label.SetBounds(0, 30, 40, 15);
  knopf.SetBounds(50, 30, 60, 22);
  fenster.Show();
  testfenster::Warten();
  feld.SetFocus();
  int klicks = 0;
  auto labelKlick = [&](platform::Control&) { ++klicks; };
  auto knopfKlick = [&](platform::Control&) { klicks += 10; };
  label.OnClick = testfenster::An(labelKlick);
  knopf.OnClick = testfenster::An(knopfKlick);
  Klicken(H(label));
  Klicken(H(knopf));
  // Released outside: no click.
  ::SendMessageA(H(knopf), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  ::SendMessageA(H(knopf), WM_LBUTTONUP, 0, MAKELPARAM(200, 2));
  EXPECT_EQ(klicks, 11);
  EXPECT_TRUE(testfenster::Fokus(feld));
}

TEST(Panel, BevelsAreRaisedOrLoweredOfOneOrTwoPixels) {
  platform::Window fenster;
  platform::Panel panel(&fenster);
  panel.SetBounds(0, 0, 40, 30);
  panel.SetBackColor(Color::Rgb(0x8055FF));
  const std::uint32_t hell = testfenster::Rgb(COLOR_BTNHIGHLIGHT);
  const std::uint32_t dunkel = testfenster::Rgb(COLOR_BTNSHADOW);
  EXPECT_EQ(Pixel(panel, 0, 10), hell);
  EXPECT_EQ(Pixel(panel, 39, 10), dunkel);
  EXPECT_EQ(Pixel(panel, 10, 29), dunkel);
  EXPECT_EQ(Pixel(panel, 1, 10), 0x8055FFu);
  panel.SetBevel(platform::BevelKind::Raised, 2);
  EXPECT_EQ(Pixel(panel, 1, 10), hell);
  EXPECT_EQ(Pixel(panel, 38, 10), dunkel);
  EXPECT_EQ(Pixel(panel, 2, 10), 0x8055FFu);
  panel.SetBevel(platform::BevelKind::Lowered, 1);
  EXPECT_EQ(Pixel(panel, 10, 0), dunkel);
  EXPECT_EQ(Pixel(panel, 10, 29), hell);
  panel.SetBevel(platform::BevelKind::None, 1);
  EXPECT_EQ(Pixel(panel, 0, 0), 0x8055FFu);
}

TEST(Panel, TheCaptionIsCentredOrLeftAligned) {
  platform::Window fenster;
  platform::Panel panel(&fenster);
  panel.SetBounds(0, 0, 200, 15);
  panel.SetBevel(platform::BevelKind::None, 1);
  panel.SetBackColor(Color::Rgb(0x000000));
  panel.SetFont(platform::FontStyle{L"Tahoma", platform::kHeight8pt, false, Color::Rgb(0xFFFFFF)});
  panel.SetCaption(L"Windows-Explorer");
  auto ersteSpalte = [&] {
    for (int x = 0; x < 200; ++x) {
      for (int y = 0; y < 15; ++y) {
        if (Pixel(panel, x, y) != 0) return x;
      }
    }
    return -1;
  };
  const int breite = automation::TextWidth(H(panel), L"Windows-Explorer");
  EXPECT_NEAR(ersteSpalte(), (200 - breite) / 2, 2);
  panel.SetAlignment(platform::Alignment::Left);
  EXPECT_LE(ersteSpalte(), 2);
  EXPECT_EQ(automation::Text(H(panel)), L"Windows-Explorer");
}

TEST(ShapeAndBevel, PaintTheirFillAndEngravedLine) {
  platform::Window fenster;
  platform::Shape quadrat(&fenster);
  quadrat.SetBounds(0, 0, 13, 13);
  quadrat.SetFill(Color::Rgb(0x808080));
  EXPECT_EQ(Pixel(quadrat, 0, 0), 0x000000u);
  quadrat.SetOutline(std::nullopt);
  EXPECT_EQ(Pixel(quadrat, 0, 0), 0x808080u);
  EXPECT_EQ(Pixel(quadrat, 12, 12), 0x808080u);
  platform::Bevel linie(&fenster);
  linie.SetBounds(0, 20, 90, 2);
  EXPECT_EQ(Pixel(linie, 45, 0), testfenster::Rgb(COLOR_BTNSHADOW));
  EXPECT_EQ(Pixel(linie, 45, 1), testfenster::Rgb(COLOR_BTNHIGHLIGHT));
}

TEST(Edit, TextSelectionReadOnlyAndChanges) {
  platform::Window fenster;
  platform::Edit feld(&fenster);
  feld.SetBounds(0, 0, 200, 22);
  int aenderungen = 0;
  auto aenderung = [&](platform::Control&) { ++aenderungen; };
  feld.OnChange = testfenster::An(aenderung);
  feld.SetText(L"C:\\Programme\\Müll\\");
  EXPECT_EQ(aenderungen, 1);
  EXPECT_EQ(automation::Text(H(feld)), L"C:\\Programme\\Müll\\");
  testfenster::Markieren(feld, 3, 9);
  EXPECT_EQ(feld.SelStart(), 3);
  EXPECT_EQ(feld.SelLength(), 9);
  EXPECT_EQ(feld.SelText(), L"Programme");
  EXPECT_EQ(::GetWindowLongA(H(feld), GWL_STYLE) & ES_READONLY, 0);
  feld.SetReadOnly(true);
  EXPECT_TRUE(feld.ReadOnly());
  EXPECT_NE(::GetWindowLongA(H(feld), GWL_STYLE) & ES_READONLY, 0);
  EXPECT_FALSE(feld.CanUndo());
  feld.SelectAll();
  EXPECT_EQ(feld.SelText(), feld.Caption());
  feld.SetReadOnly(false);
  feld.ClearSelection();
  EXPECT_EQ(feld.Caption(), L"");
  EXPECT_EQ(aenderungen, 2);
  EXPECT_TRUE(feld.CanUndo());
  feld.Undo();
  EXPECT_EQ(feld.Caption(), L"C:\\Programme\\Müll\\");
}

namespace {

HWND menueBesitzer = nullptr;
char menueTaste = 0;

// Chooses an item of the open popup menu by its access key, as a user would type it.
void CALLBACK MenuePunktWaehlen(HWND, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(nullptr, timer);
  if (menueTaste == 0) {
    ::EndMenu();
  } else {
    ::PostMessageA(menueBesitzer, WM_CHAR, static_cast<unsigned char>(menueTaste), 1);
  }
}

}  // namespace

TEST(PopupMenu, ItemsSeparatorsDefaultAndEnabledStatesLiveInTheMenu) {
  platform::PopupMenu menue;
  platform::MenuItem& eins = menue.Add(L"&Eins");
  platform::MenuItem& linie = menue.Add(L"-");
  platform::MenuItem& zwei = menue.Add(L"&Zwei");
  HMENU h = static_cast<HMENU>(menue.Handle());
  ASSERT_EQ(::GetMenuItemCount(h), 3);
  EXPECT_TRUE(linie.Separator());
  EXPECT_NE(::GetMenuState(h, 1, MF_BYPOSITION) & MF_SEPARATOR, 0u);
  wchar_t text[64] = {};
  ::GetMenuStringW(h, 2, text, 64, MF_BYPOSITION);
  EXPECT_EQ(std::wstring(text), L"&Zwei");
  EXPECT_EQ(::GetMenuDefaultItem(h, FALSE, GMDI_USEDISABLED), static_cast<UINT>(-1));
  menue.SetDefaultItem(eins);
  EXPECT_EQ(::GetMenuDefaultItem(h, FALSE, GMDI_USEDISABLED), eins.Command());
  EXPECT_EQ(::GetMenuDefaultItem(h, TRUE, 0), 0u);
  zwei.SetEnabled(false);
  EXPECT_NE(::GetMenuState(h, 2, MF_BYPOSITION) & MF_GRAYED, 0u);
  zwei.SetEnabled(true);
  EXPECT_EQ(::GetMenuState(h, 2, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED), 0u);
}

TEST(PopupMenu, PopupRecordsTheComponentRunsOnPopupAndTheChosenItem) {
  platform::Window fenster;
  platform::Edit feld(&fenster);
  feld.SetBounds(0, 0, 100, 22);
  fenster.Show();
  testfenster::Warten();
  platform::PopupMenu menue;
  std::vector<std::wstring> ablauf;
  auto auf = [&](platform::PopupMenu& m) {
    ablauf.push_back(m.PopupComponent() == &feld ? L"auf feld" : L"auf ?");
  };
  auto gewaehlt = [&](platform::MenuItem& p) { ablauf.push_back(p.Caption()); };
  menue.OnPopup = testfenster::An(auf);
  for (const wchar_t* text : {L"&Eins", L"&Zwei"}) menue.Add(text).OnClick = testfenster::An(gewaehlt);
  feld.SetPopupMenu(&menue);
  menueBesitzer = H(fenster);
  menueTaste = 'z';
  ::SetTimer(nullptr, 0, 100, &MenuePunktWaehlen);
  // What a right click sends: the field's own menu is replaced by this one.
  ::SendMessageA(H(feld), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(H(feld)), MAKELPARAM(-1, -1));
  menueTaste = 0;
  ::SetTimer(nullptr, 0, 100, &MenuePunktWaehlen);
  ::SendMessageA(H(feld), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(H(feld)), MAKELPARAM(20, 20));
  EXPECT_EQ(ablauf, (std::vector<std::wstring>{L"auf feld", L"&Zwei", L"auf feld"}));
  EXPECT_EQ(menue.PopupComponent(), &feld);
}
