// The program entry: the installer state, the hidden main window, the configuration with its probe
// for an earlier installation, the first page, and the message loop. The probe runs while the main
// window is hidden; everything after runs with it visible, which is what tells the menu locations
// to apply rather than to probe.
#include <cstdlib>
#include <new>

#include "forms/_Form_Anfang.h"
#include "install/_subs.h"
#include "platform/Application.h"
#include "platform/MessageBox.h"
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

constexpr wchar_t kInnererFehler[] = L"Das Installations-Programm ist auf einen inneren Fehler gestoßen.";

// Allocates nothing: it is also the end of a failed allocation.
[[noreturn]] void Beenden(const wchar_t* text) {
  platform::ShowMessageBox(nullptr, text, platform::ApplicationTitle().c_str(), platform::kMbOk | platform::kMbIconError);
  platform::EndProcess(1);
}

// The program has no exceptions: an allocation that cannot be served ends it, with a word to the
// user, before anything could go on half done.
[[noreturn]] void SpeicherFehlt() { Beenden(L"Für das Installations-Programm ist nicht genug Speicher frei."); }

bool AlteInstallationGefunden() {
  for (const platform::CheckBox* box :
       {&aa->CheDesktop, &aa->CheStart, &aa->CheSchnell, &aa->CheExplorerV, &aa->CheExplorerD}) {
    if (box->Visible() && box->Checked()) return true;
  }
  return false;
}

}  // namespace

// The C++ library reports by throwing what it cannot do; without exceptions each such report ends
// the program, as a failed allocation does. Defined here, they keep the library's exception
// machinery out of Setup.exe.
namespace std {
void __throw_bad_alloc() { SpeicherFehlt(); }
void __throw_bad_array_new_length() { SpeicherFehlt(); }
void __throw_length_error(const char*) { SpeicherFehlt(); }
void __throw_bad_exception() { Beenden(kInnererFehler); }
void __throw_bad_cast() { Beenden(kInnererFehler); }
void __throw_bad_typeid() { Beenden(kInnererFehler); }
void __throw_logic_error(const char*) { Beenden(kInnererFehler); }
void __throw_domain_error(const char*) { Beenden(kInnererFehler); }
void __throw_invalid_argument(const char*) { Beenden(kInnererFehler); }
void __throw_out_of_range(const char*) { Beenden(kInnererFehler); }
void __throw_out_of_range_fmt(const char*, ...) { Beenden(kInnererFehler); }
void __throw_runtime_error(const char*) { Beenden(kInnererFehler); }
void __throw_range_error(const char*) { Beenden(kInnererFehler); }
void __throw_overflow_error(const char*) { Beenden(kInnererFehler); }
void __throw_underflow_error(const char*) { Beenden(kInnererFehler); }
void __throw_system_error(int) { Beenden(kInnererFehler); }
}  // namespace std

extern "C" void __cxa_pure_virtual() { Beenden(kInnererFehler); }
extern "C" void __cxa_deleted_virtual() { Beenden(kInnererFehler); }

// Allocation without exceptions: what cannot be served ends the program.
void* operator new(std::size_t groesse) {
  void* p = std::malloc(groesse != 0 ? groesse : 1);
  if (p == nullptr) SpeicherFehlt();
  return p;
}
void* operator new[](std::size_t groesse) { return operator new(groesse); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

int main() {
  // Setup.exe runs elevated from whatever folder it was saved to: a DLL lying beside it must never
  // be loaded in place of the system's.
  platform::DllsOnlyFromSystemFolder();
  Version = L"19";
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
