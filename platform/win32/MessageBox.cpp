#include "platform/MessageBox.h"

#include "platform/Window.h"
#include "platform/win32/Internal.h"

namespace platform {

int ShowMessageBox(const Window* owner, const wchar_t* text, const wchar_t* title, unsigned flags) {
  HWND h = owner != nullptr ? ControlAccess::Hwnd(*owner) : nullptr;
  return ::MessageBoxW(h, text, title, flags);
}

}  // namespace platform
