#include "platform/Application.h"

#include "platform/Process.h"
#include "platform/Window.h"
#include "platform/win32/Internal.h"

namespace platform {

namespace {

Window* mainWindow = nullptr;

std::wstring& Title() {
  static std::wstring title = [] {
    std::wstring path = ModuleFileName();
    const std::size_t slash = path.find_last_of(L"\\/:");
    if (slash != std::wstring::npos) path.erase(0, slash + 1);
    const std::size_t dot = path.find_last_of(L'.');
    if (dot != std::wstring::npos) path.erase(dot);
    return path;
  }();
  return title;
}

}  // namespace

bool ControlAccess::PreTranslate(MSG& message) {
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
  Control* root = FromHandle(::GetAncestor(message.hwnd, GA_ROOT));
  Window* window = root != nullptr ? root->Form() : nullptr;
  if (window == nullptr) return false;
  unsigned short key = static_cast<unsigned short>(message.wParam);
  return window->PreviewKey(key, KeyShiftState(message.lParam));
}

bool PreTranslateMessage(MSG& message) { return ControlAccess::PreTranslate(message); }

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

void Terminate() { ::PostQuitMessage(0); }

Window* MainWindow() { return mainWindow; }

const std::wstring& ApplicationTitle() { return Title(); }

void SetApplicationTitle(const std::wstring& title) { Title() = title; }

}  // namespace platform
