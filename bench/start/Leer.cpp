// The yardsticks of the start-up benchmark: a bare Win32 program that shows one window and runs its
// message loop until it is closed; started with "shell", it first does the shell work that an
// installer's first window needs (the component library, two special folders, a shell link object,
// a registry key), as a reference for what that work costs.
#include <windows.h>
#include <shlobj.h>

#include <cstring>
#include <initializer_list>

LRESULT CALLBACK Fensterfunktion(HWND fenster, UINT nachricht, WPARAM w, LPARAM l) {
  if (nachricht == WM_DESTROY) {
    ::PostQuitMessage(0);
    return 0;
  }
  return ::DefWindowProcA(fenster, nachricht, w, l);
}

void ShellArbeit() {
  ::CoInitialize(nullptr);
  for (int ordner : {CSIDL_COMMON_DESKTOPDIRECTORY, CSIDL_COMMON_PROGRAMS}) {
    LPITEMIDLIST liste = nullptr;
    wchar_t pfad[MAX_PATH];
    if (::SHGetSpecialFolderLocation(nullptr, ordner, &liste) == S_OK) {
      ::SHGetPathFromIDListW(liste, pfad);
      ::CoTaskMemFree(liste);
    }
  }
  IShellLinkW* verknuepfung = nullptr;
  if (::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                         reinterpret_cast<void**>(&verknuepfung)) == S_OK) {
    IPersistFile* datei = nullptr;
    if (verknuepfung->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&datei)) == S_OK) datei->Release();
    verknuepfung->Release();
  }
  HKEY schluessel = nullptr;
  if (::RegOpenKeyExW(HKEY_CLASSES_ROOT, L"*\\shell", 0, KEY_READ, &schluessel) == ERROR_SUCCESS) {
    ::RegCloseKey(schluessel);
  }
}

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "shell") == 0) ShellArbeit();
  WNDCLASSA klasse = {};
  klasse.lpfnWndProc = &Fensterfunktion;
  klasse.hInstance = ::GetModuleHandleA(nullptr);
  klasse.lpszClassName = "ZQLeer";
  klasse.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  ::RegisterClassA(&klasse);
  HWND fenster = ::CreateWindowExA(0, "ZQLeer", "Leer", WS_OVERLAPPEDWINDOW, 20, 20, 600, 400, nullptr, nullptr,
                                   klasse.hInstance, nullptr);
  ::ShowWindow(fenster, SW_SHOW);
  MSG nachricht;
  while (::GetMessageA(&nachricht, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&nachricht);
    ::DispatchMessageA(&nachricht);
  }
  return 0;
}
