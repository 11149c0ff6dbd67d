#include "platform/Application.h"

#include "platform/Process.h"
#include "platform/Window.h"
#include "platform/win32/Internal.h"

namespace platform {

namespace {

Window* mainWindow = nullptr;

std::wstring title;
bool titleMade = false;

std::wstring& Title() {
  if (!titleMade) {
    title = ModuleFileName();
    const std::size_t slash = title.find_last_of(L"\\/:");
    if (slash != std::wstring::npos) title.erase(0, slash + 1);
    const std::size_t dot = title.find_last_of(L'.');
    if (dot != std::wstring::npos) title.erase(dot);
    titleMade = true;
  }
  return title;
}

}  // namespace

bool ControlAccess::PreTranslate(MSG& message) {
  if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
  HWND top = ::GetAncestor(message.hwnd, GA_ROOT);
  // A disabled window takes no keys, as it takes no clicks: with its focus gone, the system still
  // posts them to it while it stays the active window.
  if (!::IsWindowEnabled(top)) return true;
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
  Control* root = FromHandle(top);
  Window* window = root != nullptr ? root->Form() : nullptr;
  if (window == nullptr) return false;
  unsigned short key = static_cast<unsigned short>(message.wParam);
  return window->PreviewKey(key, KeyShiftState(message.lParam));
}

void Dispatch(MSG& message) {
  if (ControlAccess::PreTranslate(message)) return;
  ::TranslateMessage(&message);
  ::DispatchMessageW(&message);
}

void RunMessageLoop(Window& window) {
  Window* outer = mainWindow;
  mainWindow = &window;
  window.Show();
  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) Dispatch(message);
  mainWindow = outer;
}

bool DispatchUntil(void* object, std::uint32_t milliseconds) {
  const DWORD beginn = ::GetTickCount();
  HANDLE handle = object;
  const DWORD anzahl = handle != nullptr ? 1 : 0;
  bool quit = false;
  WPARAM quitCode = 0;
  DWORD antwort = WAIT_OBJECT_0 + anzahl;
  while (antwort == WAIT_OBJECT_0 + anzahl) {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        quit = true;
        quitCode = message.wParam;
      } else {
        Dispatch(message);
      }
    }
    DWORD rest = INFINITE;
    if (milliseconds != kForever) {
      const DWORD vergangen = ::GetTickCount() - beginn;
      rest = vergangen < milliseconds ? milliseconds - vergangen : 0;
    }
    antwort = ::MsgWaitForMultipleObjects(anzahl, &handle, FALSE, rest, QS_ALLINPUT);
  }
  if (quit) ::PostQuitMessage(static_cast<int>(quitCode));
  return anzahl == 1 && antwort == WAIT_OBJECT_0;
}

void DiscardInput() {
  MSG message;
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_INPUT)) {
    // Taken whatever the filter: it stays for the message loop.
    if (message.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
  }
}

void Terminate() { ::PostQuitMessage(0); }

Window* MainWindow() { return mainWindow; }

const std::wstring& ApplicationTitle() { return Title(); }

void SetApplicationTitle(const std::wstring& text) {
  title = text;
  titleMade = true;
}

void EndWithMessage(const wchar_t* text, unsigned long error) {
  wchar_t shown[1024];
  std::size_t n = 0;
  for (; text[n] != L'\0' && n < 512; ++n) shown[n] = text[n];
  // A blank line, then the system's text, written in place behind it.
  const DWORD length = error == 0 ? 0
                                  : ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                                     error, 0, shown + n + 4, 1024 - 5 - n, nullptr);
  if (length != 0) {
    shown[n] = shown[n + 2] = L'\r';
    shown[n + 1] = shown[n + 3] = L'\n';
    n += 4 + length;
    while (shown[n - 1] == L'\r' || shown[n - 1] == L'\n' || shown[n - 1] == L' ') --n;
  }
  shown[n] = L'\0';
  ::MessageBoxW(nullptr, shown, titleMade ? title.c_str() : nullptr, MB_OK | MB_ICONERROR);
  ::ExitProcess(1);
}

}  // namespace platform
