#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/Button.h"
#include "platform/CheckBox.h"
#include "platform/Edit.h"
#include "platform/Panel.h"
#include "platform/Window.h"
#include "tests/support/Fenster.h"

using testfenster::H;
using testfenster::Taste;

namespace {

// A shown window with an edit field, a check box and three push buttons (one on a panel), which
// write what happens into `ablauf`.
class Tasten : public ::testing::Test {
 protected:
  Tasten() {
    feld.SetBounds(10, 10, 100, 22);
    box.SetBounds(10, 40, 100, 15);
    panel.SetBounds(10, 60, 200, 60);
    ok.SetBounds(5, 5, 80, 30);
    abbruch.SetBounds(120, 10, 80, 30);
    andere.SetBounds(120, 50, 80, 30);
    ok.SetDefault(true);
    abbruch.SetCancel(true);
    ok.OnClick = platform::Bind<&Tasten::OkClick>(this);
    abbruch.OnClick = platform::Bind<&Tasten::AbbruchClick>(this);
    andere.OnClick = platform::Bind<&Tasten::AndereClick>(this);
    fenster.OnKeyDown = platform::Bind<&Tasten::FensterKeyDown>(this);
    fenster.SetClientSize(220, 130);
    fenster.Show();
    testfenster::Warten();
  }

  platform::Window fenster;
  platform::Edit feld{&fenster};
  platform::CheckBox box{&fenster};
  platform::Panel panel{&fenster};
  platform::Button ok{&panel};
  platform::Button abbruch{&fenster};
  platform::Button andere{&fenster};
  std::vector<std::string> ablauf;

 private:
  void OkClick(platform::Control&) { ablauf.push_back("ok"); }
  void AbbruchClick(platform::Control&) { ablauf.push_back("abbruch"); }
  void AndereClick(platform::Control&) { ablauf.push_back("andere"); }
  void FensterKeyDown(platform::Control&, unsigned short& key, platform::ShiftState shift) {
    ablauf.push_back("taste " + std::to_string(key) + (shift & platform::kAlt ? " alt" : ""));
    if (key == 'Q') key = 0;
  }
};

using Liste = std::vector<std::string>;

}  // namespace

TEST_F(Tasten, TheFirstTabStopHasTheFocusWhenShown) {
  EXPECT_TRUE(testfenster::Fokus(feld));
}

TEST_F(Tasten, EscapePressesTheCancelButtonEnterTheDefaultOne) {
  feld.SetFocus();
  Taste(VK_ESCAPE);
  Taste(VK_RETURN);
  box.SetFocus();
  Taste(VK_RETURN);
  EXPECT_EQ(ablauf, (Liste{"abbruch", "ok", "ok"}));
  EXPECT_EQ(feld.Caption(), L"");
}

TEST_F(Tasten, EnterPressesAFocusedPushButtonInsteadOfTheDefault) {
  andere.SetFocus();
  Taste(VK_RETURN);
  Taste(VK_ESCAPE);
  EXPECT_EQ(ablauf, (Liste{"andere", "abbruch"}));
}

TEST_F(Tasten, HiddenOrDisabledButtonsAreNotPressed) {
  feld.SetFocus();
  abbruch.SetVisible(false);
  Taste(VK_ESCAPE);
  panel.SetVisible(false);
  Taste(VK_RETURN);
  panel.SetVisible(true);
  ok.SetEnabled(false);
  Taste(VK_RETURN);
  EXPECT_TRUE(ablauf.empty());
}

TEST_F(Tasten, KeyPreviewSeesKeysFirstAndCanSwallowThem) {
  fenster.SetKeyPreview(true);
  feld.SetFocus();
  Taste('Q');
  EXPECT_EQ(feld.Caption(), L"");
  Taste('W');
  EXPECT_EQ(feld.Caption(), L"w");
  Taste(VK_ESCAPE);
  EXPECT_EQ(ablauf, (Liste{"taste 81", "taste 87", "taste 27", "abbruch"}));
}

TEST_F(Tasten, KeysWithAltArriveAsSystemKeysAndArePreviewedToo) {
  fenster.SetKeyPreview(true);
  feld.SetFocus();
  Taste('J', true);
  // Enter with a modifier held is no dialog key.
  Taste(VK_RETURN, true);
  EXPECT_EQ(ablauf, (Liste{"taste 74 alt", "taste 13 alt"}));
}

TEST_F(Tasten, WithoutPreviewTheWindowSeesOnlyTheKeysOfItsOwnFocus) {
  feld.SetFocus();
  Taste('A');
  EXPECT_EQ(feld.Caption(), L"a");
  ::SetFocus(H(fenster));
  Taste('B');
  EXPECT_EQ(ablauf, (Liste{"taste 66"}));
}

TEST_F(Tasten, TabMovesThroughTheTabStopsInCreationOrder) {
  andere.SetTabStop(false);
  feld.SetFocus();
  Taste(VK_TAB);
  EXPECT_TRUE(testfenster::Fokus(box));
  Taste(VK_TAB);
  EXPECT_TRUE(testfenster::Fokus(ok));
  Taste(VK_TAB);
  EXPECT_TRUE(testfenster::Fokus(abbruch));
  Taste(VK_TAB);
  EXPECT_TRUE(testfenster::Fokus(feld));
}
