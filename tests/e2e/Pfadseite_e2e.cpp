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
    const std::wstring menue = Menue(L"ZQe2e Pfad " + Fallname(10));
    // The proposal is the installer's own folder.
    SetupAblegen(Block({L"#n=ZQe2e Pfad", L"#z=" + Ordner(), L"#m=1", L"#d=Prog.exe," + menue}));
    Programmdatei(L"Prog.exe");
  }
};

std::wstring Gross(std::wstring text) {
  ::CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

TEST_F(Pfadseite, KopierKnopfNurFuerEinAnderesVerzeichnis) {
  Installer& s = Starten();
  ASSERT_TRUE(s.Bereit());
  ErwarteSeite(s, "PaPfad", 2, L"");
  EXPECT_EQ(s.Text("EdVerz"), Ordner());
  EXPECT_FALSE(s.Aktiv("BuVerzKopie")) << L"the proposal already sets the state";

  const std::wstring ohneBackslash = Ordner().substr(0, Ordner().size() - 1);
  s.TextSetzen("EdVerz", L"C:\\zq_e2e\\anderswo");
  EXPECT_TRUE(WartenBis([&] { return s.Aktiv("BuVerzKopie"); })) << L"another folder";
  s.TextSetzen("EdVerz", ohneBackslash);
  EXPECT_TRUE(WartenBis([&] { return !s.Aktiv("BuVerzKopie"); })) << L"own folder without backslash";
  s.TextSetzen("EdVerz", Gross(Ordner()));
  EXPECT_TRUE(WartenBis([&] { return s.Aktiv("BuVerzKopie"); })) << L"own folder in upper case";
  s.TextSetzen("EdVerz", Ordner());
  EXPECT_TRUE(WartenBis([&] { return !s.Aktiv("BuVerzKopie"); })) << L"own folder with backslash";
  EXPECT_TRUE(s.Aktiv("BuNichtKopieren"));
  EXPECT_TRUE(s.Beenden());
}

TEST_F(Pfadseite, KopierKnopfFolgtDemTippen) {
  Installer& s = Starten();
  ASSERT_TRUE(s.Bereit());
  const std::wstring ohneBackslash = Ordner().substr(0, Ordner().size() - 1);
  s.Klicken("EdVerz");
  s.Druecken(VK_END);
  s.Druecken(VK_BACK);
  EXPECT_TRUE(WartenBis([&] { return s.Text("EdVerz") == ohneBackslash; })) << s.Text("EdVerz");
  EXPECT_FALSE(s.Aktiv("BuVerzKopie"));
  s.Druecken('X');
  EXPECT_TRUE(WartenBis([&] { return s.Text("EdVerz") == ohneBackslash + L"x"; })) << s.Text("EdVerz");
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
  EXPECT_TRUE(WartenBis([&] { return !s.Laeuft(); })) << L"Escape did not press BuClose";
}

}  // namespace
}  // namespace e2e
