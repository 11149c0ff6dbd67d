#include "lib/_zq_Control_1.h"

#include <gtest/gtest.h>

#include "platform/Button.h"
#include "platform/Label.h"
#include "platform/Panel.h"
#include "platform/Window.h"

namespace {

class Anpassen : public ::testing::Test {
 protected:
  Anpassen() { fenster.SetBounds(33, 44, 400, 300); }
  platform::Window fenster;
};

}  // namespace

TEST_F(Anpassen, WithoutVisibleChildrenTheClientAreaIsTheMargins) {
  platform::Panel versteckt(&fenster);
  versteckt.SetBounds(10, 10, 100, 100);
  versteckt.SetVisible(false);
  EXPECT_EQ(MaxRechts(fenster), 0);
  EXPECT_EQ(MaxUnten(fenster), 0);
  // (Wider than the smallest width the system allows a window with a caption.)
  FormAnpassen(fenster, 150, 30);
  EXPECT_EQ(fenster.ClientWidth(), 150);
  EXPECT_EQ(fenster.ClientHeight(), 30);
  EXPECT_EQ(fenster.Left(), 33);
  EXPECT_EQ(fenster.Top(), 44);
  platform::Panel leer(&fenster);
  leer.SetBounds(1, 2, 300, 300);
  FormAnpassen(leer, 20, 30);
  EXPECT_EQ(leer.Width(), 20);
  EXPECT_EQ(leer.Height(), 30);
}

TEST_F(Anpassen, CountsVisibleDirectChildrenOfEveryKindByTheirOwnFlag) {
  platform::Label links(&fenster);  // drawn-only, entirely left of and above the area
  links.SetBounds(-50, -40, 30, 20);
  EXPECT_EQ(MaxRechts(fenster), 0);
  EXPECT_EQ(MaxUnten(fenster), 0);
  platform::Panel teilweise(&fenster);
  teilweise.SetBounds(-10, -5, 50, 12);
  EXPECT_EQ(MaxRechts(fenster), 40);
  EXPECT_EQ(MaxUnten(fenster), 7);
  platform::Label label(&fenster);
  label.SetBounds(100, 200, 30, 15);
  platform::Button knopf(&fenster);
  knopf.SetBounds(120, 10, 10, 205);
  // Grandchildren do not count, wherever they lie.
  platform::Label enkel(&teilweise);
  enkel.SetBounds(900, 900, 10, 10);
  platform::Panel versteckt(&fenster);
  versteckt.SetBounds(300, 250, 60, 60);
  versteckt.SetVisible(false);
  EXPECT_EQ(MaxRechts(fenster), 130);
  EXPECT_EQ(MaxUnten(fenster), 215);
  FormAnpassen(fenster, 20, 20);
  EXPECT_EQ(fenster.ClientWidth(), 150);
  EXPECT_EQ(fenster.ClientHeight(), 235);
  // A child shown later does not refit the window.
  versteckt.SetVisible(true);
  EXPECT_EQ(MaxRechts(fenster), 360);
  EXPECT_EQ(fenster.ClientWidth(), 150);
}

TEST_F(Anpassen, CountsWhileTheWindowItselfIsHidden) {
  platform::Panel panel(&fenster);
  panel.SetBounds(20, 40, 470, 260);
  ASSERT_FALSE(fenster.Visible());
  FormAnpassen(fenster, 20, 20);
  EXPECT_EQ(fenster.ClientWidth(), 510);
  EXPECT_EQ(fenster.ClientHeight(), 320);
  // The frame and caption stay as they were: only the client area follows.
  EXPECT_GT(fenster.Height(), fenster.ClientHeight());
}

TEST_F(Anpassen, APanelWithoutBorderIsFittedToItsChildrenAsWell) {
  platform::Panel panel(&fenster);
  panel.SetBounds(5, 6, 300, 300);
  platform::Label label(&panel);
  label.SetBounds(10, 10, 40, 15);
  FormAnpassen(panel, 5, 7);
  EXPECT_EQ(panel.Width(), 55);
  EXPECT_EQ(panel.Height(), 32);
  EXPECT_EQ(panel.Left(), 5);
  EXPECT_EQ(panel.Top(), 6);
}
