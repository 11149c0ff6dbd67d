// The path page: the copy button refuses the installer's own folder, however it is written, and
// follows the edit field as the user types; Escape presses the close button.
#include <windows.h>

#include <string>

#include "tests/e2e/Fall.h"

namespace e2e {
namespace {

class Pfadseite : public Fall {
 protected:
  void SetUp() override {
    Fall::SetUp();
    if (HasFatalFailure()) return;
    const std::string menue = Menue("ZQe2e Pfad " + std::string(
        ::testing::UnitTest::GetInstance()->current_test_info()->name()).substr(0, 10));
    // The proposal is the installer's own folder.
    SetupAblegen(Block({"#n=ZQe2e Pfad", "#z=" + Ordner(), "#m=1", "#d=Prog.exe," + menue}));
    Programmdatei("Prog.exe");
  }
};

std::string Gross(std::string text) {
  ::CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

TEST_F(Pfadseite, KopierKnopfNurFuerEinAnderesVerzeichnis) {
  Installer& s = Starten();
  ASSERT_TRUE(s.Bereit());
  ErwarteSeite(s, "PaPfad", 2, "");
  EXPECT_EQ(s.Text("EdVerz"), Ordner());
  EXPECT_FALSE(s.Aktiv("BuVerzKopie")) << "the proposal already sets the state";

  const std::string ohneBackslash = Ordner().substr(0, Ordner().size() - 1);
  s.TextSetzen("EdVerz", "C:\\zq_e2e\\anderswo");
  EXPECT_TRUE(WartenBis([&] { return s.Aktiv("BuVerzKopie"); })) << "another folder";
  s.TextSetzen("EdVerz", ohneBackslash);
  EXPECT_TRUE(WartenBis([&] { return !s.Aktiv("BuVerzKopie"); })) << "own folder without backslash";
  s.TextSetzen("EdVerz", Gross(Ordner()));
  EXPECT_TRUE(WartenBis([&] { return s.Aktiv("BuVerzKopie"); })) << "own folder in upper case";
  s.TextSetzen("EdVerz", Ordner());
  EXPECT_TRUE(WartenBis([&] { return !s.Aktiv("BuVerzKopie"); })) << "own folder with backslash";
  EXPECT_TRUE(s.Aktiv("BuNichtKopieren"));
  EXPECT_TRUE(s.Beenden());
}

TEST_F(Pfadseite, KopierKnopfFolgtDemTippen) {
  Installer& s = Starten();
  ASSERT_TRUE(s.Bereit());
  const std::string ohneBackslash = Ordner().substr(0, Ordner().size() - 1);
  s.Klicken("EdVerz");
  s.Druecken(VK_END);
  s.Druecken(VK_BACK);
  EXPECT_TRUE(WartenBis([&] { return s.Text("EdVerz") == ohneBackslash; })) << s.Text("EdVerz");
  EXPECT_FALSE(s.Aktiv("BuVerzKopie"));
  s.Druecken('X');
  EXPECT_TRUE(WartenBis([&] { return s.Text("EdVerz") == ohneBackslash + "x"; })) << s.Text("EdVerz");
  EXPECT_TRUE(WartenBis([&] { return s.Aktiv("BuVerzKopie"); }));
  s.Druecken(VK_BACK);
  EXPECT_TRUE(WartenBis([&] { return s.Text("EdVerz") == ohneBackslash; })) << s.Text("EdVerz");
  EXPECT_TRUE(WartenBis([&] { return !s.Aktiv("BuVerzKopie"); }));
  EXPECT_TRUE(s.Beenden());
}

TEST_F(Pfadseite, EscapeBeendet) {
  Installer& s = Starten();
  ASSERT_TRUE(s.Bereit());
  s.Druecken(VK_ESCAPE);
  EXPECT_TRUE(WartenBis([&] { return !s.Laeuft(); })) << "Escape did not press BuClose";
}

}  // namespace
}  // namespace e2e
