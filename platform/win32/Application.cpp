#include "platform/Application.h"

#include "platform/Process.h"
#include "platform/Window.h"
#include "platform/win32/Internal.h"

namespace platform {

namespace {

Window* mainWindow = nullptr;

std::string& Title() {
  static std::string title = [] {
    std::string path = ModuleFileName();
    const std::size_t slash = path.find_last_of("\\/:");
    if (slash != std::string::npos) path.erase(0, slash + 1);
    const std::size_t dot = path.find_last_of('.');
    if (dot != std::string::npos) path.erase(dot);
    return path;
  }();
  return title;
}

}  // namespace

void ControlAccess::DispatchWithKeys(MSG& message) {
  if (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) {
    Control* root = FromHandle(::GetAncestor(message.hwnd, GA_ROOT));
    Window* window = root != nullptr ? root->Form() : nullptr;
    if (window != nullptr) {
      unsigned short key = static_cast<unsigned short>(message.wParam);
      if (window->PreviewKey(key, KeyShiftState(message.lParam))) return;
    }
  }
  ::TranslateMessage(&message);
  ::DispatchMessageA(&message);
}

void RunMessageLoop(Window& window) {
  Window* outer = mainWindow;
  mainWindow = &window;
  window.Show();
  MSG message;
  while (::GetMessageA(&message, nullptr, 0, 0) > 0) ControlAccess::DispatchWithKeys(message);
  mainWindow = outer;
}

void ProcessMessages() {
  MSG message;
  while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    ControlAccess::DispatchWithKeys(message);
  }
}

void Terminate() { ::PostQuitMessage(0); }

Window* MainWindow() { return mainWindow; }

const std::string& ApplicationTitle() { return Title(); }

void SetApplicationTitle(const std::string& title) { Title() = title; }

}  // namespace platform
