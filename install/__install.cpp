// The program entry: the installer state, the hidden main window, the configuration with its probe
// for an earlier installation, the first page, and the message loop. The probe runs while the main
// window is hidden; everything after runs with it visible, which is what tells the menu locations
// to apply rather than to probe.
#include "forms/_Form_Anfang.h"
#include "install/_subs.h"
#include "platform/Application.h"
#include "platform/Process.h"
#include "platform/ShellLink.h"

namespace {

// The folder of the running executable: up to and including its last backslash or colon, with a
// backslash appended where a colon ends it.
std::wstring EigenerOrdner() {
  const std::wstring exe = platform::ModuleFileName();
  const auto ende = exe.find_last_of(L"\\:");
  std::wstring ordner = ende == std::wstring::npos ? std::wstring() : exe.substr(0, ende + 1);
  if (ordner.empty() || ordner.back() != L'\\') ordner += L'\\';
  return ordner;
}

bool AlteInstallationGefunden() {
  for (const platform::CheckBox* box : aa->MenueBoxen()) {
    if (box->Visible() && box->Checked()) return true;
  }
  return false;
}

}  // namespace

int main() {
  // Setup.exe runs elevated from whatever folder it was saved to: a DLL lying beside it must never
  // be loaded in place of the system's.
  platform::DllsOnlyFromSystemFolder();
  Version = ZQ_VERSION;
  ExePfad = EigenerOrdner();
  platform::ComInitialize();
  platform::SetApplicationTitle(L"");

  Taa fenster;
  long abbruch = 0;
  InstallDatenLesen(&abbruch);
  fenster.FehlerZeigen(abbruch);

  if (!aa->LaFehler.Caption().empty()) aa->ZeigePanel(aa->PaFehler);
  else if (AlteInstallationGefunden()) aa->ZeigePanel(aa->PaIstSchonDa);
  else aa->ZeigePanel(aa->PaPfad);

  platform::RunMessageLoop(fenster);
  return 0;
}
