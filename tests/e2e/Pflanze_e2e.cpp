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
constexpr char kDll[] = "uxtheme";

class Pflanze : public Fall {
 protected:
  void SetUp() override {
    Fall::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_TRUE(::CopyFileA(WindowsPfad(ZQ_PFLANZE).c_str(), (Ordner() + kDll + ".dll").c_str(), FALSE))
        << ZQ_PFLANZE;
    for (const char* programm : kProgramme) {
      HKEY key = nullptr;
      ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, Schluessel(programm).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                  nullptr, &key, nullptr), ERROR_SUCCESS);
      ::RegSetValueExA(key, kDll, 0, REG_SZ, reinterpret_cast<const BYTE*>("native,builtin"), 15);
      ::RegCloseKey(key);
    }
  }

  void TearDown() override {
    Fall::TearDown();
    for (const char* programm : kProgramme) {
      ::RegDeleteTreeA(HKEY_CURRENT_USER, ("Software\\Wine\\AppDefaults\\" + std::string(programm)).c_str());
    }
  }

  static std::string Schluessel(const char* programm) {
    return "Software\\Wine\\AppDefaults\\" + std::string(programm) + "\\DllOverrides";
  }
  static constexpr const char* kProgramme[] = {"Setup.exe", "laden.exe"};

  std::string Marke() const { return Ordner() + kDll + ".dll.geladen"; }
};

TEST_F(Pflanze, DerInstallerLaedtSieNie) {
  const std::string menue = Menue("ZQe2e Pflanze");
  const std::string ziel = FremderOrdner(Ordner() + "ziel");
  SetupAblegen(Block({"#n=ZQe2e Pflanze", "#z=" + ziel, "#m=15", "#d=Prog.exe," + menue}));
  Programmdatei("Prog.exe");

  Installer& s = Starten();
  ASSERT_TRUE(s.Bereit());
  ErwarteSeite(s, "PaPfad", 2, "");
  ASSERT_TRUE(Kopieren(s).fertig);
  ErwarteSeite(s, "PaChecks", 3, ziel);
  s.Klicken("CheDesktop");
  s.Klicken("CheExplorerD");
  EXPECT_TRUE(WartenBis([&] { return DateiDa(DesktopLink(menue)) && SchluesselDa(DateiVerb(menue)); }));
  EXPECT_TRUE(s.Beenden());
  EXPECT_FALSE(DateiDa(Marke())) << "Setup.exe loaded the planted " << kDll << ".dll";
}

TEST_F(Pflanze, OhneGrenzeWirdSieGeladen) {
  const std::string laden = Ordner() + "laden.exe";
  ASSERT_TRUE(::CopyFileA(WindowsPfad(ZQ_LADEN).c_str(), laden.c_str(), FALSE)) << ZQ_LADEN;
  PROCESS_INFORMATION prozess = {};
  ASSERT_TRUE(e2e::Starten(laden, std::string(" ") + kDll + ".dll", Ordner(), prozess));
  EXPECT_EQ(::WaitForSingleObject(prozess.hProcess, 20000), WAIT_OBJECT_0);
  DWORD code = 99;
  ::GetExitCodeProcess(prozess.hProcess, &code);
  EXPECT_EQ(code, 0u) << "laden.exe could not load " << kDll << ".dll";
  ::CloseHandle(prozess.hThread);
  ::CloseHandle(prozess.hProcess);
  EXPECT_TRUE(DateiDa(Marke())) << "the control did not load the planted DLL: the test could not fail";
}

}  // namespace
}  // namespace e2e
