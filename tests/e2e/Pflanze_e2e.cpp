// A DLL planted beside Setup.exe under the name of a system DLL that the installer's windows load by
// name at run time. Wine is told (for Setup.exe and the control program alone) to prefer a native
// DLL of that name, as Windows prefers one in the program's folder; the installer must never load
// it, through start-up, the copy step and ticking a shortcut and a verb box. The control shows that
// a program without the limit does load it.
#include <windows.h>

#include <string>
#include <vector>

#include "tests/e2e/Fall.h"

namespace e2e {
namespace {

// Loaded by name by the system's window code once windows are made (the loader's trace shows it).
constexpr wchar_t kDll[] = L"uxtheme";

class Pflanze : public Fall {
 protected:
  void SetUp() override {
    Fall::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_TRUE(::CopyFileW(WindowsPfad(ZQ_PFLANZE).c_str(), (Ordner() + kDll + L".dll").c_str(), FALSE))
        << ZQ_PFLANZE;
    for (const wchar_t* programm : kProgramme) {
      HKEY key = nullptr;
      ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, Schluessel(programm).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                  nullptr, &key, nullptr), ERROR_SUCCESS);
      ::RegSetValueExW(key, kDll, 0, REG_SZ, reinterpret_cast<const BYTE*>(L"native,builtin"), 15 * sizeof(wchar_t));
      ::RegCloseKey(key);
    }
  }

  void TearDown() override {
    Fall::TearDown();
    for (const wchar_t* programm : kProgramme) {
      ::RegDeleteTreeW(HKEY_CURRENT_USER, (L"Software\\Wine\\AppDefaults\\" + std::wstring(programm)).c_str());
    }
  }

  static std::wstring Schluessel(const wchar_t* programm) {
    return L"Software\\Wine\\AppDefaults\\" + std::wstring(programm) + L"\\DllOverrides";
  }
  static constexpr const wchar_t* kProgramme[] = {L"Setup.exe", L"laden.exe"};

  std::wstring Marke() const { return Ordner() + kDll + L".dll.geladen"; }
};

TEST_F(Pflanze, DerInstallerLaedtSieNie) {
  const std::wstring menue = Menue(L"ZQe2e Pflanze");
  const std::wstring ziel = FremderOrdner(Ordner() + L"ziel");
  SetupAblegen(Block({L"#n=ZQe2e Pflanze", L"#z=" + ziel, L"#m=15", L"#d=Prog.exe," + menue}));
  Programmdatei(L"Prog.exe");

  Installer& s = Starten();
  ASSERT_TRUE(s.Bereit());
  ErwarteSeite(s, "PaPfad", 2, L"");
  ASSERT_TRUE(Kopieren(s).fertig);
  ErwarteSeite(s, "PaChecks", 3, ziel);
  s.Klicken("CheDesktop");
  s.Klicken("CheExplorerD");
  EXPECT_TRUE(WartenBis([&] { return DateiDa(DesktopLink(menue)) && SchluesselDa(DateiVerb(menue)); }));
  EXPECT_TRUE(s.Beenden());
  EXPECT_FALSE(DateiDa(Marke())) << L"Setup.exe loaded the planted " << kDll << L".dll";
}

TEST_F(Pflanze, OhneGrenzeWirdSieGeladen) {
  const std::wstring laden = Ordner() + L"laden.exe";
  ASSERT_TRUE(::CopyFileW(WindowsPfad(ZQ_LADEN).c_str(), laden.c_str(), FALSE)) << ZQ_LADEN;
  PROCESS_INFORMATION prozess = {};
  ASSERT_TRUE(e2e::Starten(laden, std::wstring(L" ") + kDll + L".dll", Ordner(), prozess));
  EXPECT_EQ(::WaitForSingleObject(prozess.hProcess, 20000), WAIT_OBJECT_0);
  DWORD code = 99;
  ::GetExitCodeProcess(prozess.hProcess, &code);
  EXPECT_EQ(code, 0u) << L"laden.exe could not load " << kDll << L".dll";
  ::CloseHandle(prozess.hThread);
  ::CloseHandle(prozess.hProcess);
  EXPECT_TRUE(DateiDa(Marke())) << L"the control did not load the planted DLL: the test could not fail";
}

}  // namespace
}  // namespace e2e
