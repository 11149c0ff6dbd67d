#include "platform/CheckBox.h"

#include "platform/win32/Internal.h"

namespace platform {

CheckBox::CheckBox(Control* parent)
    : Control(parent, parent->BackColor(), false) {
  // Not BS_AUTO3STATE: a click goes from grayed to ticked, which the system's cycle does not.
  CreateSystemHandle(L"BUTTON", BS_3STATE | WS_TABSTOP, 0);
}

CheckState CheckBox::State() const {
  return static_cast<CheckState>(::SendMessageW(ControlAccess::Hwnd(*this), BM_GETCHECK, 0, 0));
}

void CheckBox::SetState(CheckState state) {
  if (state == State()) return;
  SetStateQuietly(state);
  Click();
}

void CheckBox::SetStateQuietly(CheckState state) {
  ::SendMessageW(ControlAccess::Hwnd(*this), BM_SETCHECK, static_cast<WPARAM>(state), 0);
}

void CheckBox::Notify(unsigned code) {
  if (code != BN_CLICKED) return;
  SetState(State() == CheckState::Checked ? CheckState::Unchecked : CheckState::Checked);
}

HBRUSH CheckBox::ControlColor(HDC dc) {
  ::SetTextColor(dc, ToColorRef(Font().color));
  ::SetBkColor(dc, ToColorRef(BackColor()));
  return BackBrush();
}

}  // namespace platform
