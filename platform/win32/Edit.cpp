#include "platform/Edit.h"

#include "platform/PopupMenu.h"
#include "platform/win32/Internal.h"

namespace platform {

Edit::Edit(Control* parent)
    : Control(parent, Color::Window(), false) {
  CreateSystemHandle(L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE);
}

bool Edit::ReadOnly() const {
  return (::GetWindowLongW(ControlAccess::Hwnd(*this), GWL_STYLE) & ES_READONLY) != 0;
}

void Edit::SetReadOnly(bool readOnly) {
  ::SendMessageW(ControlAccess::Hwnd(*this), EM_SETREADONLY, readOnly, 0);
}

int Edit::SelStart() const {
  DWORD start = 0, end = 0;
  ::SendMessageW(ControlAccess::Hwnd(*this), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(start);
}

int Edit::SelLength() const {
  DWORD start = 0, end = 0;
  ::SendMessageW(ControlAccess::Hwnd(*this), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

std::wstring Edit::SelText() const {
  const std::wstring text = Caption();
  const std::size_t start = static_cast<std::size_t>(SelStart());
  if (start >= text.size()) return {};
  return text.substr(start, static_cast<std::size_t>(SelLength()));
}

bool Edit::CanUndo() const {
  return Handle() != nullptr &&
         ::SendMessageW(ControlAccess::Hwnd(*this), EM_CANUNDO, 0, 0) != 0;
}

void Edit::Undo() { ::SendMessageW(ControlAccess::Hwnd(*this), WM_UNDO, 0, 0); }
void Edit::CutToClipboard() { ::SendMessageW(ControlAccess::Hwnd(*this), WM_CUT, 0, 0); }
void Edit::CopyToClipboard() { ::SendMessageW(ControlAccess::Hwnd(*this), WM_COPY, 0, 0); }
void Edit::PasteFromClipboard() { ::SendMessageW(ControlAccess::Hwnd(*this), WM_PASTE, 0, 0); }
void Edit::ClearSelection() { ::SendMessageW(ControlAccess::Hwnd(*this), WM_CLEAR, 0, 0); }
void Edit::SelectAll() { ::SendMessageW(ControlAccess::Hwnd(*this), EM_SETSEL, 0, -1); }

bool Edit::HandleMessage(unsigned message, std::uintptr_t wparam, std::intptr_t lparam,
                         std::intptr_t& result) {
  if (message == WM_CONTEXTMENU && popupMenu_ != nullptr) {
    POINT p{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
    if (p.x == -1 && p.y == -1) {
      // From the keyboard: at the field's top left corner.
      p = POINT{0, 0};
      ::ClientToScreen(ControlAccess::Hwnd(*this), &p);
    }
    popupMenu_->Popup(p.x, p.y, *this);
    result = 0;
    return true;
  }
  return Control::HandleMessage(message, wparam, lparam, result);
}

void Edit::Notify(unsigned code) {
  if (code == EN_CHANGE && OnChange) OnChange(*this);
}

}  // namespace platform
