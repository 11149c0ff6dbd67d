#include "platform/Button.h"

#include "platform/win32/Internal.h"

namespace platform {

Button::Button(Control* parent)
    : Control(parent, parent->BackColor(), false) {
  CreateSystemHandle(L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0);
}

Button::~Button() {
  if (Window* form = Form()) {
    if (form->defaultButton_ == this) form->defaultButton_ = nullptr;
    if (form->cancelButton_ == this) form->cancelButton_ = nullptr;
  }
}

void Button::SetDefault(bool isDefault) {
  Window* form = Form();
  if (isDefault) form->defaultButton_ = this;
  else if (form->defaultButton_ == this) form->defaultButton_ = nullptr;
  ::SendMessageW(ControlAccess::Hwnd(*this), BM_SETSTYLE,
                 isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void Button::SetCancel(bool cancel) {
  Window* form = Form();
  if (cancel) form->cancelButton_ = this;
  else if (form->cancelButton_ == this) form->cancelButton_ = nullptr;
}

void Button::Notify(unsigned code) {
  if (code == BN_CLICKED) Click();
}

}  // namespace platform
