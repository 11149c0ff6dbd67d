// The installer from the keyboard alone, as a person who cannot use a mouse works it, and what a
// screen reader hears of its check boxes.
#include <set>
#include <string>
#include <vector>

#include "tests/e2e/Fall.h"

namespace e2e {
namespace {

class Tastatur : public Fall {
 protected:
  // An installer into `ziel` with one program file whose menu text the case owns; all five menus.
  std::wstring Vorbereiten(const std::wstring& ziel) {
    const std::wstring menue = Menue(L"ZQe2e Tastatur " + Fallname(8));
    SetupAblegen(Block({L"#n=ZQe2e Tastatur", L"#z=" + ziel, L"#m=12345", L"#d=Prog.exe," + menue}));
    Programmdatei(L"Prog.exe");
    return menue;
  }

  // Presses Tab (Shift+Tab with `zurueck`) and answers which control then has the focus. The key
  // reaches the installer's thread some time after it is sent, so the answer is the first focus
  // other than the one before; on every page of the installer Tab leads somewhere else.
  static std::string Tab(const Installer& s, bool zurueck = false) {
    const HWND vorher = s.Fokus();
    s.Druecken(VK_TAB, zurueck ? kUmschalt : 0);
    HWND nachher = vorher;
    WartenBis([&] { return (nachher = s.Fokus()) != vorher && nachher != nullptr; }, 5000);
    return NameVon(nachher);
  }

  // The page shows a moment before its thread gives the focus to its control.
  static bool FokusAuf(const Installer& s, const char* name) {
    return WartenBis([&] { return NameVon(s.Fokus()) == name; }, 5000);
  }

  static std::string NameVon(HWND w) {
    if (w == nullptr) return {};
    for (const char* name : {"BuClose", "EdVerz", "SpeVerzSuche", "BuNichtKopieren", "BuVerzKopie", "BuEntfernen",
                             "BuBehalten", "BuEntfUndNeu", "CheDesktop", "CheStart", "CheSchnell", "CheExplorerV",
                             "CheExplorerD", "BuFehler"}) {
      if (Finden(::GetAncestor(w, GA_ROOT), name) == w) return name;
    }
    return "?";
  }
};

// The whole first installation: from the close button, where the focus starts, Tab goes through the
// path page in reading order; Space copies; on the checks page Tab reaches the desktop box, Space
// makes the shortcut; Escape ends the program.
TEST_F(Tastatur, DieErsteInstallationNurMitDerTastatur) {
  const std::wstring ziel = FremderOrdner(L"C:\\zq_e2e_tastatur");
  const std::wstring menue = Vorbereiten(ziel);
  Installer& s = Starten();
  ASSERT_TRUE(s.Bereit());
  ErwarteSeite(s, "PaPfad", 2, L"");
  EXPECT_TRUE(FokusAuf(s, "BuClose")) << NameVon(s.Fokus());
  EXPECT_EQ(Tab(s), "EdVerz");
  EXPECT_EQ(Tab(s), "SpeVerzSuche");
  EXPECT_EQ(Tab(s), "BuNichtKopieren");
  EXPECT_EQ(Tab(s), "BuVerzKopie");
  EXPECT_EQ(Tab(s), "BuClose");
  EXPECT_EQ(Tab(s, true), "BuVerzKopie");
  s.Druecken(VK_SPACE);
  ASSERT_TRUE(SchrittVorbei(s));
  ErwarteSeite(s, "PaChecks", 3, ziel);
  EXPECT_EQ(DateiInhalt(ziel + L"Prog.exe"), DateiInhalt(Ordner() + L"Prog.exe"));
  // The new page starts on the close button too.
  EXPECT_TRUE(FokusAuf(s, "BuClose")) << NameVon(s.Fokus());
  EXPECT_EQ(Tab(s), "CheDesktop");
  s.Druecken(VK_SPACE);
  EXPECT_TRUE(WartenBis([&] { return DateiDa(DesktopLink(menue)); })) << "no desktop shortcut";
  EXPECT_EQ(s.Zustand("CheDesktop"), BST_CHECKED);
  for (const char* box : {"CheStart", "CheSchnell", "CheExplorerV", "CheExplorerD", "BuClose"}) EXPECT_EQ(Tab(s), box);
  s.Druecken(VK_ESCAPE);
  EXPECT_TRUE(WartenBis([&] { return !s.Laeuft(); })) << "Escape did not end the program";
}

// The search button takes the focus from the keyboard and opens the folder chooser with Space; Enter
// in the folder field copies; Enter on a check box ends the program, as Enter does wherever no push
// button has the focus.
TEST_F(Tastatur, SuchenEnterImFeldUndEnterAufEinerBox) {
  const std::wstring ziel = FremderOrdner(L"C:\\zq_e2e_enter");
  Vorbereiten(ziel);
  Installer& s = Starten();
  ASSERT_TRUE(s.Bereit());
  ASSERT_TRUE(FokusAuf(s, "BuClose")) << NameVon(s.Fokus());
  EXPECT_EQ(Tab(s), "EdVerz");
  EXPECT_EQ(Tab(s), "SpeVerzSuche");
  s.Druecken(VK_SPACE);
  HWND waehler = nullptr;
  ASSERT_TRUE(WartenBis([&] {
    waehler = nullptr;
    for (HWND w = ::GetTopWindow(nullptr); w != nullptr; w = ::GetWindow(w, GW_HWNDNEXT)) {
      DWORD pid = 0;
      ::GetWindowThreadProcessId(w, &pid);
      if (pid == s.Pid() && Klasse(w) == "#32770" && ::IsWindowVisible(w)) waehler = w;
    }
    return waehler != nullptr;
  })) << "the folder chooser did not open";
  EXPECT_TRUE(Vordergrund(waehler));
  Tasten({VK_ESCAPE});
  ASSERT_TRUE(WartenBis([&] { return !::IsWindow(waehler) || !::IsWindowVisible(waehler); }));
  EXPECT_EQ(s.Text("EdVerz"), ziel);
  EXPECT_TRUE(FokusAuf(s, "SpeVerzSuche")) << "the focus did not come back: " << NameVon(s.Fokus());
  EXPECT_EQ(Tab(s, true), "EdVerz");
  s.Druecken(VK_RETURN);
  ASSERT_TRUE(SchrittVorbei(s));
  ErwarteSeite(s, "PaChecks", 3, ziel);
  EXPECT_EQ(Tab(s), "CheDesktop");
  s.Druecken(VK_RETURN);
  EXPECT_TRUE(WartenBis([&] { return !s.Laeuft(); })) << "Enter on a check box did not end the program";
  EXPECT_FALSE(DateiDa(DesktopLink(L"ZQe2e Tastatur " + Fallname(8))));
}

// What a screen reader names each of the five boxes: never nothing, never two alike, and with the
// caption that shows beside it.
TEST_F(Tastatur, JedeBoxHatIhrenEigenenNamen) {
  Vorbereiten(FremderOrdner(L"C:\\zq_e2e_namen"));
  Installer& s = Starten();
  ASSERT_TRUE(s.Bereit());
  ASSERT_TRUE(SUCCEEDED(::CoInitialize(nullptr)));
  std::set<std::wstring> namen;
  for (const char* box : {"CheDesktop", "CheStart", "CheSchnell", "CheExplorerV", "CheExplorerD"}) {
    const std::wstring gelesen = automation::AccessibleName(s.Teil(box));
    EXPECT_FALSE(gelesen.empty()) << box;
    EXPECT_EQ(gelesen.rfind(s.Text(box), 0), 0u) << box << ": " << gelesen;
    EXPECT_TRUE(namen.insert(gelesen).second) << box << " shares its name: " << gelesen;
  }
  ::CoUninitialize();
  EXPECT_TRUE(s.Beenden());
}

}  // namespace
}  // namespace e2e
