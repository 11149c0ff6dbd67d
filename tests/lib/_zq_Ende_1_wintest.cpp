#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "platform/Process.h"
#include "tests/support/Automation.h"

namespace {

struct DialogSuche {
  DWORD pid;
  HWND dialog;
};

BOOL CALLBACK DialogDesProzesses(HWND w, LPARAM p) {
  auto* s = reinterpret_cast<DialogSuche*>(p);
  DWORD pid = 0;
  ::GetWindowThreadProcessId(w, &pid);
  char klasse[16] = {};
  ::GetClassNameA(w, klasse, sizeof klasse);
  if (pid != s->pid || std::string(klasse) != "#32770" || !::IsWindowVisible(w)) return TRUE;
  s->dialog = w;
  return FALSE;
}

BOOL CALLBACK LaengsterText(HWND w, LPARAM p) {
  auto* text = reinterpret_cast<std::wstring*>(p);
  const std::wstring hier = automation::Text(w);
  if (hier.size() > text->size()) *text = hier;
  return TRUE;
}

// The program's exit code once it has ended; the message box it shows on its way gives its title and
// text, and is answered with OK.
struct Ende {
  std::wstring titel, text;
  DWORD code = 0;
};

Ende KindLaufen(const wchar_t* fall) {
  std::wstring exe = platform::ModuleFileName();
  exe = exe.substr(0, exe.find_last_of(L'\\') + 1) + L"zq_ende_kind.exe";
  std::wstring befehl = L"\"" + exe + L"\" " + fall;
  STARTUPINFOW si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION prozess = {};
  Ende ende;
  if (!::CreateProcessW(exe.c_str(), befehl.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &prozess)) {
    ADD_FAILURE() << "CreateProcessW " << exe << ": " << ::GetLastError();
    return ende;
  }
  DialogSuche suche{prozess.dwProcessId, nullptr};
  for (int i = 0; i < 1000 && suche.dialog == nullptr; ++i) {
    if (::WaitForSingleObject(prozess.hProcess, 20) == WAIT_OBJECT_0) break;
    ::EnumWindows(&DialogDesProzesses, reinterpret_cast<LPARAM>(&suche));
  }
  if (suche.dialog != nullptr) {
    ende.titel = automation::Text(suche.dialog);
    ::EnumChildWindows(suche.dialog, &LaengsterText, reinterpret_cast<LPARAM>(&ende.text));
    ::PostMessageW(suche.dialog, WM_COMMAND, IDOK, 0);
  }
  if (::WaitForSingleObject(prozess.hProcess, 20000) != WAIT_OBJECT_0) ::TerminateProcess(prozess.hProcess, 99);
  ::GetExitCodeProcess(prozess.hProcess, &ende.code);
  ::CloseHandle(prozess.hThread);
  ::CloseHandle(prozess.hProcess);
  return ende;
}

// Every allocation fails from the first one on: an end that allocated would fail again and again
// until the stack overflowed, and no message box would come.
TEST(Ende, KommtOhneSpeicherZumBenutzerUndEndetMitCode1) {
  const Ende speicher = KindLaufen(L"speicher");
  EXPECT_EQ(speicher.text, L"Für das Installations-Programm ist nicht genug Speicher frei.");
  EXPECT_EQ(speicher.code, 1u);

  const Ende bericht = KindLaufen(L"bericht");
  EXPECT_EQ(bericht.text, L"Das Installations-Programm ist auf einen inneren Fehler gestoßen.");
  EXPECT_EQ(bericht.titel, L"ZQ Ende");
  EXPECT_EQ(bericht.code, 1u);
}

}  // namespace
