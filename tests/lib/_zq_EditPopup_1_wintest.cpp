#include "lib/_zq_EditPopup_1.h"

#include <windows.h>

#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/Button.h"
#include "platform/CheckBox.h"
#include "platform/Edit.h"
#include "platform/Label.h"
#include "platform/Panel.h"
#include "platform/Window.h"
#include "tests/support/Fenster.h"

using testfenster::H;

namespace {

void ClipboardSetzen(const wchar_t* text) {
  ASSERT_TRUE(::OpenClipboard(nullptr));
  ::EmptyClipboard();
  if (text != nullptr) {
    const std::size_t bytes = (std::wcslen(text) + 1) * sizeof(wchar_t);
    HGLOBAL speicher = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(::GlobalLock(speicher), text, bytes);
    ::GlobalUnlock(speicher);
    ::SetClipboardData(CF_UNICODETEXT, speicher);
  }
  ::CloseClipboard();
}

std::wstring ClipboardText() {
  std::wstring text;
  if (!::OpenClipboard(nullptr)) return L"?";
  if (HANDLE daten = ::GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(::GlobalLock(daten));
    ::GlobalUnlock(daten);
  }
  ::CloseClipboard();
  return text;
}

HWND menueFenster = nullptr;
char menueTaste = 0;

// Closes the open menu, or chooses an item by its access key, as a user would type it.
void CALLBACK MenueBedienen(HWND, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(nullptr, timer);
  if (menueTaste == 0) {
    ::EndMenu();
  } else {
    ::PostMessageA(menueFenster, WM_CHAR, static_cast<unsigned char>(menueTaste), 1);
  }
}

// A shown window with two edit fields (one on a panel), a button, a check box and a label, and
// the edit menu set for it.
class EditMenue : public ::testing::Test {
 protected:
  EditMenue() {
    feld.SetBounds(10, 10, 200, 22);
    panel.SetBounds(10, 40, 220, 40);
    innen.SetBounds(5, 5, 200, 22);
    knopf.SetBounds(10, 90, 80, 25);
    fenster.SetClientSize(240, 130);
    EditPopupSetzen(fenster);
    fenster.Show();
    testfenster::Warten();
    menueFenster = H(fenster);
  }

  TZQEditPop& Menue() { return *static_cast<TZQEditPop*>(feld.GetPopupMenu()); }

  // Opens the menu on `f` as a right click does and lets the user type `taste` (0: close it).
  void Oeffnen(platform::Edit& f, char taste) {
    menueTaste = taste;
    ::SetTimer(nullptr, 0, 80, &MenueBedienen);
    ::SendMessageA(H(f), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(H(f)), MAKELPARAM(-1, -1));
  }

  // The enabled items after opening the menu on `f`, by index.
  std::vector<int> Aktiv(platform::Edit& f) {
    Oeffnen(f, 0);
    std::vector<int> aktiv;
    for (int i = 1; i <= 10; ++i) {
      const UINT zustand = ::GetMenuState(static_cast<HMENU>(Menue().Handle()), i - 1, MF_BYPOSITION);
      if ((zustand & (MF_SEPARATOR | MF_GRAYED | MF_DISABLED)) == 0) aktiv.push_back(i);
    }
    return aktiv;
  }

  platform::Window fenster;
  platform::Edit feld{&fenster};
  platform::Panel panel{&fenster};
  platform::Edit innen{&panel};
  platform::Button knopf{&fenster};
  platform::CheckBox box{&fenster};
  platform::Label label{&fenster};
};

using Indizes = std::vector<int>;

}  // namespace

TEST_F(EditMenue, EveryEditFieldOfTheWindowGetsTheOneMenu) {
  ASSERT_NE(feld.GetPopupMenu(), nullptr);
  EXPECT_EQ(innen.GetPopupMenu(), feld.GetPopupMenu());
  Oeffnen(innen, 0);
  EXPECT_EQ(Menue().PopupComponent(), &innen);
}

TEST_F(EditMenue, TenItemsWithCaptionsTagsAndTheBoldDefault) {
  const wchar_t* erwartet[] = {L"&dieses Menü abbrechen", L"", L"&Rückgängig", L"", L"&Ausschneiden",
                            L"&Löschen", L"&Kopieren", L"&Einfügen", L"", L"alles &markieren"};
  HMENU h = static_cast<HMENU>(Menue().Handle());
  ASSERT_EQ(::GetMenuItemCount(h), 10);
  EXPECT_EQ(Menue().Punkte[0], nullptr);
  for (int i = 1; i <= 10; ++i) {
    wchar_t text[64] = {};
    ::GetMenuStringW(h, i - 1, text, 64, MF_BYPOSITION);
    EXPECT_EQ(std::wstring(text), erwartet[i - 1]) << i;
    const bool trenner = (::GetMenuState(h, i - 1, MF_BYPOSITION) & MF_SEPARATOR) != 0;
    EXPECT_EQ(trenner, i == 2 || i == 4 || i == 9) << i;
    EXPECT_EQ(Menue().Punkte[i]->Tag(), i);
    EXPECT_TRUE(static_cast<bool>(Menue().Punkte[i]->OnClick));
  }
  EXPECT_EQ(::GetMenuDefaultItem(h, TRUE, 0), 0u);
  EXPECT_EQ(::GetMenuDefaultItem(h, FALSE, GMDI_USEDISABLED), Menue().Punkte[1]->Command());
}

TEST_F(EditMenue, EnabledStatesFollowTheFieldAndTheClipboard) {
  ClipboardSetzen(nullptr);
  EXPECT_EQ(Aktiv(feld), (Indizes{1, 10}));
  ClipboardSetzen(L"D:\\Ziel\\");
  EXPECT_EQ(Aktiv(feld), (Indizes{1, 8, 10}));
  feld.SetText(L"C:\\Programme\\");
  testfenster::Markieren(feld, 3, 9);
  EXPECT_EQ(Aktiv(feld), (Indizes{1, 5, 6, 7, 8, 10}));
  // Undo possible, then read-only: only copying and the harmless entries remain.
  ::SendMessageW(H(feld), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"Daten"));
  feld.SelectAll();
  feld.SetReadOnly(true);
  EXPECT_EQ(Aktiv(feld), (Indizes{1, 3, 7, 10}));
  ClipboardSetzen(nullptr);
  feld.SetReadOnly(false);
  testfenster::Markieren(feld, 0, 0);
  EXPECT_EQ(Aktiv(feld), (Indizes{1, 3, 10}));
}

TEST_F(EditMenue, ItemsActOnTheFieldTheMenuWasOpenedOn) {
  ClipboardSetzen(L"alt");
  feld.SetText(L"C:\\\u0141\u2713\u65b0\\");
  // Letters of any script go through the clipboard whole.
  testfenster::Markieren(feld, 3, 3);
  Oeffnen(feld, 'k');
  EXPECT_EQ(ClipboardText(), L"\u0141\u2713\u65b0");
  Oeffnen(feld, 'l');
  EXPECT_EQ(feld.Caption(), L"C:\\\\");
  EXPECT_EQ(ClipboardText(), L"\u0141\u2713\u65b0");
  Oeffnen(feld, 'r');
  EXPECT_EQ(feld.Caption(), L"C:\\\u0141\u2713\u65b0\\");
  Oeffnen(feld, 'm');
  EXPECT_EQ(feld.SelText(), L"C:\\\u0141\u2713\u65b0\\");
  Oeffnen(feld, 'a');
  EXPECT_EQ(feld.Caption(), L"");
  EXPECT_EQ(ClipboardText(), L"C:\\\u0141\u2713\u65b0\\");
  Oeffnen(innen, 'e');
  EXPECT_EQ(innen.Caption(), L"C:\\\u0141\u2713\u65b0\\");
  EXPECT_EQ(feld.Caption(), L"");
}

TEST_F(EditMenue, TheCancelEntryClosesTheMenuAndChangesNothing) {
  ClipboardSetzen(L"bleibt");
  feld.SetText(L"C:\\Programme\\");
  testfenster::Markieren(feld, 3, 4);
  Oeffnen(feld, 'd');
  EXPECT_EQ(feld.Caption(), L"C:\\Programme\\");
  EXPECT_EQ(feld.SelText(), L"Prog");
  EXPECT_EQ(ClipboardText(), L"bleibt");
  // The menu is closed again: the next one opens normally.
  Oeffnen(feld, 'm');
  EXPECT_EQ(feld.SelText(), L"C:\\Programme\\");
}
