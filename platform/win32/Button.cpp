#include "platform/Button.h"

#include "platform/win32/Internal.h"

namespace platform {

Button::Button(Control& parent, const char* name)
    : Control(&parent, name, parent.BackColor(), false) {
  CreateSystemHandle("BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0);
}

void Button::SetDefault(bool isDefault) {
  default_ = isDefault;
  ::SendMessageA(ControlAccess::Hwnd(*this), BM_SETSTYLE,
                 isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void Button::Notify(unsigned code) {
  if (code == BN_CLICKED) Click();
}

}  // namespace platform
