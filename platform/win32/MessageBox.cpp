#include "platform/MessageBox.h"

#include "platform/Window.h"
#include "platform/win32/Internal.h"

namespace platform {

int ShowMessageBox(const Window* owner, const std::string& text, const std::string& title,
                   unsigned flags) {
  HWND h = owner != nullptr ? ControlAccess::Hwnd(*owner) : nullptr;
  return ::MessageBoxA(h, text.c_str(), title.c_str(), flags);
}

}  // namespace platform
