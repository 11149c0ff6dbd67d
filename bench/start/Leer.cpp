// The yardstick of the start-up benchmark: a bare Win32 program that shows one window and runs its
// message loop until it is closed.
#include <windows.h>

LRESULT CALLBACK Fensterfunktion(HWND fenster, UINT nachricht, WPARAM w, LPARAM l) {
  if (nachricht == WM_DESTROY) {
    ::PostQuitMessage(0);
    return 0;
  }
  return ::DefWindowProcA(fenster, nachricht, w, l);
}

int main() {
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
