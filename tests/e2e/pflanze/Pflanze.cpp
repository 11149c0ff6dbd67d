// A DLL that an attacker would lay beside Setup.exe under the name of a system DLL: loaded, it
// leaves a marker file beside itself ("<its path>.geladen") and does nothing else.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE modul, DWORD grund, LPVOID) {
  if (grund != DLL_PROCESS_ATTACH) return TRUE;
  char pfad[MAX_PATH + 16] = {};
  const DWORD laenge = ::GetModuleFileNameA(modul, pfad, MAX_PATH);
  if (laenge == 0 || laenge >= MAX_PATH) return TRUE;
  ::lstrcatA(pfad, ".geladen");
  HANDLE marke = ::CreateFileA(pfad, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (marke != INVALID_HANDLE_VALUE) ::CloseHandle(marke);
  return TRUE;
}
